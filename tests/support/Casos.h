#pragma once

#include "platform/Variant.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// One row of a case table kept as data under tests/: the fields of a
// tab-separated UTF-8 line. In a field "\t", "\n", "\r", "\\" and "\xHH"
// (one byte, for texts that must not be valid UTF-8) stand for themselves.
struct Caso {
    QString arquivo;
    int linha = 0;
    std::vector<QByteArray> campos;

    QString operator[](size_t i) const { return QString::fromUtf8(bytes(i)); }
    QByteArray bytes(size_t i) const { return i < campos.size() ? campos[i] : QByteArray(); }
    int inteiro(size_t i) const { return (*this)[i].toInt(); }
    // "D:2.5" Double, "I:42" Integer, "L:7" Long, "B:1" Boolean, "N" Null,
    // "E" Empty, "T:2024-05-02 10:00:00" Date, "S:text" or any other text a String.
    Variant variant(size_t i) const;
    // "file:line", for SCOPED_TRACE.
    std::string onde() const;
};

// The rows of tests/<caminho>, without blank lines and lines starting with "#".
std::vector<Caso> Casos(const char* caminho);

// The text of tests/<caminho> (fixture SQL, expected output).
QString DadosDeTeste(const char* caminho);
