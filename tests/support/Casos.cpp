#include "Casos.h"

#include <QDateTime>
#include <QFile>
#include <cctype>
#include <stdexcept>

namespace {

QByteArray LeArquivo(const char* caminho)
{
    QFile arquivo(QStringLiteral(PANTORO_TESTS_DIR "/") + QString::fromUtf8(caminho));
    if (!arquivo.open(QIODevice::ReadOnly))
        throw std::runtime_error(std::string("cannot read tests/") + caminho);
    return arquivo.readAll();
}

QByteArray SemEscapes(const QByteArray& campo)
{
    QByteArray texto;
    for (qsizetype i = 0; i < campo.size(); ++i) {
        if (campo[i] != '\\' || i + 1 == campo.size()) {
            texto += campo[i];
            continue;
        }
        const char c = campo[++i];
        if (c == 't')
            texto += '\t';
        else if (c == 'n')
            texto += '\n';
        else if (c == 'r')
            texto += '\r';
        else if (c == 'x' && i + 2 < campo.size()) {
            texto += static_cast<char>(campo.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else
            texto += c;
    }
    return texto;
}

Variant ComoVariant(const QString& campo)
{
    const QString valor = campo.mid(2);
    if (campo == QLatin1String("N"))
        return Variant::Null();
    if (campo == QLatin1String("E"))
        return Variant();
    if (campo.startsWith(QLatin1String("S:")))
        return Variant(valor);
    if (campo.startsWith(QLatin1String("D:")))
        return Variant::Double(valor.toDouble());
    if (campo.startsWith(QLatin1String("I:")))
        return Variant::Integer(static_cast<int16_t>(valor.toInt()));
    if (campo.startsWith(QLatin1String("L:")))
        return Variant::Long(valor.toInt());
    if (campo.startsWith(QLatin1String("B:")))
        return Variant::Boolean(valor == QLatin1String("1"));
    if (campo.startsWith(QLatin1String("T:")))
        return Variant(QDateTime::fromString(valor, QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    return Variant(campo);
}

}  // namespace

size_t Caso::indice(std::string_view coluna) const
{
    const QString nome = QString::fromUtf8(coluna.data(), static_cast<qsizetype>(coluna.size()));
    for (qsizetype i = 0; colunas && i < colunas->size(); ++i) {
        const QString& declarada = colunas->at(i);
        if (declarada == nome || (declarada.endsWith(QLatin1String("...")) && declarada.chopped(3) == nome))
            return static_cast<size_t>(i);
    }
    throw std::runtime_error(onde() + ": no column \"" + std::string(coluna) + "\" in the table's header");
}

QByteArray Caso::bytes(std::string_view coluna) const
{
    const size_t i = indice(coluna);
    return i < campos.size() ? campos[i] : QByteArray();
}

Variant Caso::variant(std::string_view coluna) const
{
    return ComoVariant((*this)(coluna));
}

QStringList Caso::lista(std::string_view coluna) const
{
    QStringList itens;
    for (size_t i = indice(coluna); i < campos.size(); ++i)
        itens << QString::fromUtf8(campos[i]);
    while (!itens.isEmpty() && itens.last().isEmpty())
        itens.removeLast();
    return itens;
}

std::string Caso::nome() const
{
    const bool temCaso = colunas && colunas->contains(QStringLiteral("caso"));
    std::string nome =
        temCaso ? (*this)("caso").toStdString() : campo(0).left(40).toStdString() + "_linha" + std::to_string(linha);
    for (char& c : nome)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return nome;
}

std::string Caso::onde() const
{
    return (arquivo + u':' + QString::number(linha)).toStdString();
}

std::vector<Caso> Casos(const char* caminho)
{
    std::vector<Caso> casos;
    std::shared_ptr<const QStringList> colunas;
    const QList<QByteArray> linhas = LeArquivo(caminho).split('\n');
    for (qsizetype n = 0; n < linhas.size(); ++n) {
        const QByteArray& linha = linhas[n];
        if (linha.startsWith("#:")) {
            colunas = std::make_shared<const QStringList>(QString::fromUtf8(linha.mid(2).trimmed()).split(u'\t'));
            continue;
        }
        if (linha.trimmed().isEmpty() || linha.startsWith('#'))
            continue;
        Caso caso{QString::fromUtf8(caminho), static_cast<int>(n + 1), colunas, {}};
        for (const QByteArray& campo : linha.split('\t'))
            caso.campos.push_back(SemEscapes(campo));
        casos.push_back(caso);
    }
    return casos;
}

std::string NomeDoCaso(const ::testing::TestParamInfo<Caso>& info)
{
    return info.param.nome();
}

QString DadosDeTeste(const char* caminho)
{
    return QString::fromUtf8(LeArquivo(caminho));
}
