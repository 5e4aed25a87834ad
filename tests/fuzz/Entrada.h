#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// Input sizes a first byte 0xFF asks for: the rest of the bytes repeated to
// about that size, so long texts are reached without a large max_len.
constexpr qsizetype kUmMega = 1 << 20;
constexpr qsizetype k64K = 1 << 16;
constexpr qsizetype k4K = 1 << 12;
constexpr qsizetype kCaminhoMaisLongo = 32767;  // the longest path Windows takes

// The fuzzer's bytes, or their repetition to `longo` bytes (see above).
inline QByteArray Entrada(const uint8_t* data, size_t size, qsizetype longo)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (bytes.isEmpty() || static_cast<unsigned char>(bytes[0]) != 0xFF)
        return bytes;
    const QByteArray padrao = bytes.mid(1);
    if (padrao.isEmpty())
        return padrao;
    return padrao.repeated(longo / padrao.size() + 1);
}
