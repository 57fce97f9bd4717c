#pragma once

#include "src/platform/LargeArray.h"

#include <QByteArrayView>

#include <cstddef>
#include <vector>

// An allocator that takes blocks of some megabytes from LargeMemory.
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
        return static_cast<T*>(LargeMemory::take(bytes));
    }

    void deallocate(T* block, size_t n) noexcept
    {
        if (n * sizeof(T) < kLarge)
            std::allocator<T>().deallocate(block, n);
        else
            LargeMemory::give(block, n * sizeof(T));
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
