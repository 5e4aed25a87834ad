#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Input sizes a first byte 0xFF asks for: the rest of the bytes repeated to
// about that size, so long texts are reached without a large max_len.
constexpr qsizetype kUmMega = 1 << 20;
constexpr qsizetype k64K = 1 << 16;
constexpr qsizetype k4K = 1 << 12;
constexpr qsizetype kCaminhoMaisLongo = 32767;  // the longest path Windows takes

inline QByteArray Entrada(const uint8_t* data, size_t size, qsizetype longo)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (bytes.isEmpty() || static_cast<unsigned char>(bytes[0]) != 0xFF)
        return bytes;
    const QByteArray padrao = bytes.mid(1);
    return padrao.isEmpty() ? padrao : padrao.repeated(longo / padrao.size() + 1);
}

// A property that does not hold ends the run as a crash.
inline void Confere(bool vale)
{
    if (!vale)
        std::abort();
}
