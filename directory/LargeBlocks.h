#pragma once

#include <QByteArrayView>

#include <cstddef>
#include <new>
#include <vector>

#include <sys/mman.h>

// An allocator that takes blocks of some megabytes straight from the system, in huge pages where
// it offers them: a catalog's tens of megabytes then cost tens of page faults rather than tens of
// thousands, and room reserved but never written costs no memory.
template <typename T> struct LargeBlockAllocator
{
    using value_type = T;
    static constexpr size_t kLarge = size_t(4) << 20;

    LargeBlockAllocator() = default;
    template <typename U> LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

    T* allocate(size_t n)
    {
        const size_t bytes = n * sizeof(T);
        if (bytes < kLarge)
            return std::allocator<T>().allocate(n);
        void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED)
            throw std::bad_alloc();
        ::madvise(block, bytes, MADV_HUGEPAGE);
        return static_cast<T*>(block);
    }

    void deallocate(T* block, size_t n) noexcept
    {
        if (n * sizeof(T) < kLarge)
            std::allocator<T>().deallocate(block, n);
        else
            ::munmap(block, n * sizeof(T));
    }

    friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator&) { return true; }
};

template <typename T> using LargeVector = std::vector<T, LargeBlockAllocator<T>>;

// Text appended to at the end, in large blocks.
class TextBlock
{
public:
    qsizetype size() const { return static_cast<qsizetype>(m_bytes.size()); }
    const char* constData() const { return m_bytes.data(); }
    void reserve(qsizetype bytes) { m_bytes.reserve(static_cast<size_t>(bytes)); }
    void truncate(qsizetype bytes) { m_bytes.resize(static_cast<size_t>(bytes)); }
    TextBlock& operator+=(QByteArrayView text)
    {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    TextBlock& operator+=(char c)
    {
        m_bytes.push_back(c);
        return *this;
    }

private:
    LargeVector<char> m_bytes;
};
