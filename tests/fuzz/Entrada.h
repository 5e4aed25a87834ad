#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// The fuzzer's bytes; a first byte 0xFF asks for the rest repeated to about
// 1 MB, so long lines and long texts are reached without a 1 MB max_len.
inline QByteArray Entrada(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (bytes.isEmpty() || static_cast<unsigned char>(bytes[0]) != 0xFF)
        return bytes;
    const QByteArray padrao = bytes.mid(1);
    if (padrao.isEmpty())
        return padrao;
    return padrao.repeated(static_cast<qsizetype>((1 << 20) / padrao.size() + 1));
}
