#include "Cp1252.h"

#include <QList>
#include <QStringDecoder>

namespace {

// 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr char16_t kFaixa80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char paraByte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    // The undefined bytes read as the C1 controls of the same number and go back so.
    if (c < 0xA0 && kFaixa80[c - 0x80] == 0)
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (kFaixa80[i] != 0 && kFaixa80[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

QByteArray ParaCp1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (char32_t c : text.toUcs4())
        bytes.append(paraByte(c));
    return bytes;
}

QString DeCp1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* saida = text.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        const bool faixa80 = u >= 0x80 && u < 0xA0 && kFaixa80[u - 0x80] != 0;
        *saida++ = QChar(faixa80 ? kFaixa80[u - 0x80] : char16_t(u));
    }
    return text;
}

QString DecodificaTextoConfig(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DeCp1252(bytes);
}
