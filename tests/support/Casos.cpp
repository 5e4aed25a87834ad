#include "Casos.h"

#include <QDateTime>
#include <QFile>
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

}  // namespace

Variant Caso::variant(size_t i) const
{
    const QString campo = (*this)[i];
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

std::string Caso::onde() const
{
    return (arquivo + u':' + QString::number(linha)).toStdString();
}

std::vector<Caso> Casos(const char* caminho)
{
    std::vector<Caso> casos;
    const QList<QByteArray> linhas = LeArquivo(caminho).split('\n');
    for (qsizetype n = 0; n < linhas.size(); ++n) {
        const QByteArray& linha = linhas[n];
        if (linha.trimmed().isEmpty() || linha.startsWith('#'))
            continue;
        Caso caso{QString::fromUtf8(caminho), static_cast<int>(n + 1), {}};
        for (const QByteArray& campo : linha.split('\t'))
            caso.campos.push_back(SemEscapes(campo));
        casos.push_back(caso);
    }
    return casos;
}

QString DadosDeTeste(const char* caminho)
{
    return QString::fromUtf8(LeArquivo(caminho));
}
