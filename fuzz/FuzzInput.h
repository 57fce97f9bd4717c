#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QByteArray>
#include <QString>

// The fuzzer's input as bytes and as UTF-8 text, and the way a target reports a broken property.
inline QByteArray fuzzBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

inline QString fuzzText(const std::uint8_t* data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

[[noreturn]] inline void fuzzFail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}
