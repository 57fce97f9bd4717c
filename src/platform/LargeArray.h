#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include <sys/mman.h>

// Blocks of memory taken straight from the system, in huge pages where it offers them: tens of
// megabytes cost tens of page faults rather than thousands, and room never written costs no
// memory. Failure throws std::bad_alloc, as new does.
namespace LargeMemory {
inline void* take(size_t bytes)
{
    void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    ::madvise(block, bytes, MADV_HUGEPAGE);
    return block;
}

// The block grown to bytes, moved by the kernel if it must be, without copying.
inline void* grow(void* block, size_t oldBytes, size_t bytes)
{
    block = ::mremap(block, oldBytes, bytes, MREMAP_MAYMOVE);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    ::madvise(block, bytes, MADV_HUGEPAGE);
    return block;
}

inline void give(void* block, size_t bytes)
{
    ::munmap(block, bytes);
}
} // namespace LargeMemory

// An array of plain values in LargeMemory, grown by the kernel moving its pages rather than by
// copying. New elements are left uninitialised.
template <typename T> class LargeArray
{
    static_assert(std::is_trivially_copyable_v<T>);

public:
    LargeArray() = default;
    ~LargeArray() { release(); }
    LargeArray(const LargeArray&) = delete;
    LargeArray& operator=(const LargeArray&) = delete;
    LargeArray(LargeArray&& other) noexcept { swap(other); }
    LargeArray& operator=(LargeArray&& other) noexcept
    {
        swap(other);
        return *this;
    }

    T* data() { return m_data; }
    const T* data() const { return m_data; }
    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    T& operator[](qsizetype at) { return m_data[at]; }
    const T& operator[](qsizetype at) const { return m_data[at]; }
    const T* begin() const { return m_data; }
    const T* end() const { return m_data + m_size; }
    T* begin() { return m_data; }
    T* end() { return m_data + m_size; }

    void append(const T& value)
    {
        resize(m_size + 1);
        m_data[m_size - 1] = value;
    }
    void append(const T* values, qsizetype count)
    {
        if (count == 0)
            return; // values may be null, and memcpy takes no null pointer
        resize(m_size + count);
        std::memcpy(m_data + m_size - count, values, size_t(count) * sizeof(T));
    }
    // Grows by doubling, so that appending stays linear.
    void resize(qsizetype count)
    {
        if (count > m_capacity)
            reserve(std::max(count, m_capacity * 2));
        m_size = count;
    }
    void reserve(qsizetype count)
    {
        if (count <= m_capacity)
            return;
        const size_t bytes = roundUp(size_t(count) * sizeof(T));
        void* block = m_data ? LargeMemory::grow(m_data, m_bytes, bytes) : LargeMemory::take(bytes);
        m_data = static_cast<T*>(block);
        m_bytes = bytes;
        m_capacity = qsizetype(bytes / sizeof(T));
    }
    // No elements; the memory stays for the next ones.
    void clear() { m_size = 0; }
    void release()
    {
        if (m_data)
            LargeMemory::give(m_data, m_bytes);
        m_data = nullptr;
        m_size = m_capacity = 0;
        m_bytes = 0;
    }
    void swap(LargeArray& other) noexcept
    {
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
        std::swap(m_capacity, other.m_capacity);
        std::swap(m_bytes, other.m_bytes);
    }

private:
    static size_t roundUp(size_t bytes)
    {
        // Whole huge pages once a block is large enough to hold some, whole pages below.
        constexpr size_t kHugePage = size_t(2) << 20;
        const size_t unit = bytes >= kHugePage ? kHugePage : size_t(4096);
        return (bytes + unit - 1) / unit * unit;
    }

    T* m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_capacity = 0;
    size_t m_bytes = 0;
};
