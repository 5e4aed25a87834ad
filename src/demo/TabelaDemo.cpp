#include "TabelaDemo.h"

#include "platform/VbError.h"

#include <QFile>

TabelaDemo::TabelaDemo(const QString& nome) : nome_(nome)
{
    QFile arquivo(QStringLiteral(":/demo/%1.tsv").arg(nome));
    if (!arquivo.open(QIODevice::ReadOnly))
        throw VbError(vb_error::FileNotFound, QStringLiteral("Tabela do demo não encontrada: ") + arquivo.fileName());
    for (QString linha : QString::fromUtf8(arquivo.readAll()).split(u'\n')) {
        if (linha.endsWith(u'\r'))
            linha.chop(1);
        if (linha.startsWith(QLatin1String("#:")))
            colunas_ = linha.mid(2).split(u'\t');
        else if (!linha.trimmed().isEmpty() && !linha.startsWith(u'#'))
            linhas_ << linha.split(u'\t');
    }
}

QString TabelaDemo::texto(int linha, const QString& coluna) const
{
    const qsizetype indice = colunas_.indexOf(coluna);
    if (indice < 0)
        throw VbError(vb_error::ItemNotFound,
                      QStringLiteral("A tabela do demo %1 não tem a coluna %2").arg(nome_, coluna));
    return linhas_.at(linha).value(indice);
}

int TabelaDemo::id(const QString& nome) const
{
    if (nome.isEmpty())
        return 0;
    for (int i = 0; i < linhas(); ++i) {
        if (linhas_[i].value(0) == nome)
            return i + 1;
    }
    throw VbError(vb_error::ItemNotFound, QStringLiteral("A tabela do demo %1 não tem %2").arg(nome_, nome));
}
