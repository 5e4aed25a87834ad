#include "paging/Paginacao.h"
#include "support/Casos.h"

#include <QStringList>
#include <vector>

namespace {

// A document written as casos/paginacao.tsv describes it.
class DocumentoDeTeste : public DocumentoEmBlocos {
public:
    DocumentoDeTeste(const QString& descricao, bool inteiro) : terminado_(inteiro)
    {
        linhas_.push_back({QStringLiteral("m"), 20, -1});
        int cabecalho = -1;
        for (const QString& parte : descricao.split(u' ', Qt::SkipEmptyParts)) {
            if (parte.startsWith(u'/')) {
                blocos_.push_back(Bloco{quint32(linhas_.size()), parte.mid(1).toFloat()});
                cabecalho = -1;
            } else if (parte == QLatin1String(";")) {
                cabecalho = -1;
            } else {
                const QStringList nomeEAltura = parte.split(u'=');
                if (parte.startsWith(u'#'))
                    cabecalho = int(linhas_.size());
                linhas_.push_back({QString(nomeEAltura[0]).remove(u'#'), nomeEAltura[1].toDouble(), cabecalho});
            }
        }
    }

    QString Nome(int linha) const { return linhas_[size_t(linha)].nome; }

    int LinhasDaMoldura() const override { return 1; }
    double AlturaDaMoldura() const override { return linhas_[0].altura; }
    int QuantasLinhas() const override { return int(linhas_.size()); }
    double AlturaDaLinha(int linha) const override { return linhas_[size_t(linha)].altura; }
    int CabecalhoDaTabelaDe(int linha) const override { return linhas_[size_t(linha)].cabecalho; }
    const std::deque<Bloco>& Blocos() const override { return blocos_; }
    int BlocosCompletos() const override { return int(blocos_.size()) - (terminado_ || blocos_.empty() ? 0 : 1); }
    bool Terminado() const override { return terminado_; }

private:
    struct Linha {
        QString nome;
        double altura;
        int cabecalho;
    };
    std::vector<Linha> linhas_;
    std::deque<Bloco> blocos_;
    bool terminado_;
};

class RegrasDaPaginacao : public ::testing::TestWithParam<Caso> {};

TEST_P(RegrasDaPaginacao, PaginasERodape)
{
    const Caso& caso = GetParam();
    const DocumentoDeTeste documento(caso("documento"), caso("lido") == QLatin1String("inteiro"));
    Paginacao paginacao(caso.inteiro("altura"));
    paginacao.Continua(documento);

    QStringList paginas;
    for (int i = 0; i < paginacao.Total(); ++i) {
        QStringList itens;
        for (const Paginacao::Item& item : paginacao.ItensDaPagina(i))
            itens << QStringLiteral("%1@%2").arg(documento.Nome(int(item.linha))).arg(item.y);
        paginas << itens.join(u' ');
    }
    EXPECT_EQ(paginas.join(QStringLiteral(" / ")), caso("paginas"));
    EXPECT_EQ(paginacao.Rodape(paginacao.Total() - 1), caso("rodape"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, RegrasDaPaginacao, ::testing::ValuesIn(Casos("paging/casos/paginacao.tsv")),
                         NomeDoCaso);

}  // namespace
