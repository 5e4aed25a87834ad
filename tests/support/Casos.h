#pragma once

#include "platform/Variant.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// One row of a case table kept as data under tests/: the fields of a
// tab-separated UTF-8 line, read by the names of the table's header line
// ("#:" then the column names, tab-separated). A last name ending in "..."
// is a list: that field and every one after it. In a field "\t", "\n",
// "\r", "\\" and "\xHH" (one byte, for texts that must not be valid UTF-8)
// stand for themselves. An unknown column name is a fault of the test and
// throws.
struct Caso {
    QString arquivo;
    int linha = 0;
    std::shared_ptr<const QStringList> colunas;
    std::vector<QByteArray> campos;

    QString operator()(std::string_view coluna) const { return QString::fromUtf8(bytes(coluna)); }
    QByteArray bytes(std::string_view coluna) const;
    int inteiro(std::string_view coluna) const { return (*this)(coluna).toInt(); }
    // "D:2.5" Double, "I:42" Integer, "L:7" Long, "B:1" Boolean, "N" Null,
    // "E" Empty, "T:2024-05-02 10:00:00" Date, "S:text" or any other text a String.
    Variant variant(std::string_view coluna) const;
    // The fields of a "name..." column, empty ones at the end dropped.
    QStringList lista(std::string_view coluna) const;
    // The test's name: the "caso" column when the table has one, else the
    // first field and the line.
    std::string nome() const;
    // "file:line", for failure messages.
    std::string onde() const;

private:
    size_t indice(std::string_view coluna) const;
    QString campo(size_t i) const { return i < campos.size() ? QString::fromUtf8(campos[i]) : QString(); }
};

// The rows of tests/<caminho>, without blank lines and lines starting with "#".
std::vector<Caso> Casos(const char* caminho);

// Each row its own test: INSTANTIATE_TEST_SUITE_P(Tabela, Teste,
// ::testing::ValuesIn(Casos("...")), NomeDoCaso).
std::string NomeDoCaso(const ::testing::TestParamInfo<Caso>& info);
inline void PrintTo(const Caso& caso, std::ostream* os)
{
    *os << caso.onde();
}

// The text of tests/<caminho> (fixture SQL, expected output).
QString DadosDeTeste(const char* caminho);
