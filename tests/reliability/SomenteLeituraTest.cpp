#include "people/BuscaPessoas.h"
#include "platform/Ado.h"
#include "platform/Conversions.h"
#include "platform/FlexGrid.h"
#include "platform/VbError.h"
#include "report/BaseRelatorio.h"
#include "report/Relatorio.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QComboBox>
#include <QWidget>

// The program only reads the company database. Its connection opens the
// embedded database read-only, so not even a statement built to write can
// change it: the report, the lookups, the fillers and the search run as
// always, and every kind of write is refused by the database itself.
namespace {

const char* const Escritas[] = {
    "insert into marc (idmarc, desc_marc) values (99, 'NOVA')",
    "update pess set nome_pess = 'ALTERADO'",
    "delete from pedi_veds",
    "drop table pess",
    "create table intrusa (id integer)",
    "alter table pess add column extra integer",
    "create index intruso on pess (nome_conh)",
};

class SomenteLeitura : public BaseRelatorio {
protected:
    void SetUp() override
    {
        BaseRelatorio::SetUp();
        // The program's own connection, opened as start-up opens it.
        fixture_ = std::move(ambiente().conexao);
        ambiente().conexao = std::make_unique<Connection>();
        ambiente().conexao->Open(Backend::Sqlite, banco->stringDeConexao());
    }

    void TearDown() override
    {
        ambiente().conexao = std::move(fixture_);
        BaseRelatorio::TearDown();
    }

    static long Linhas(const char* tabela)
    {
        Recordset rs = AbreConsulta(QStringLiteral("select count(*) as n from ") + QLatin1String(tabela));
        return CLng(rs.Fields(QStringLiteral("n")));
    }

private:
    std::unique_ptr<Connection> fixture_;
};

TEST_P(SomenteLeitura, ProgramaLeTudoMasNaoEscreve)
{
    for (LayoutRelatorio layout : {LayoutRelatorio::Standard, LayoutRelatorio::PA, LayoutRelatorio::Detalhado,
                                   LayoutRelatorio::Entrega, LayoutRelatorio::EntregaVertical,
                                   LayoutRelatorio::AgrupaProd})
        EXPECT_FALSE(ExecutaRelatorio(filtroDeMaio(layout), GetParam().motor).arquivo.isEmpty());
    QString marca = QStringLiteral("PRATA FINA");
    EXPECT_EQ(CStr(IdMarca(marca)), QStringLiteral("1"));
    QWidget janela;
    auto* vendedores = new QComboBox(&janela);
    vendedores->setObjectName(QStringLiteral("cboVendedor"));
    CarregaVendedores(&janela, QString());
    EXPECT_GT(vendedores->count(), 1);
    FlexGrid grid;
    ParametrosBusca busca;
    busca.texto = QStringLiteral("A");
    EXPECT_TRUE(PesquisaPessoas(grid, busca));

    const long pessoas = Linhas("pess");
    const long pedidos = Linhas("pedi_veds");
    for (const char* escrita : Escritas) {
        SCOPED_TRACE(escrita);
        try {
            Conexao().Executa(QString::fromLatin1(escrita));
            ADD_FAILURE() << "the database took the write";
        } catch (const VbError& erro) {
            EXPECT_EQ(erro.Number(), adErroNaConsulta);
            EXPECT_TRUE(erro.Description().contains(QLatin1String("readonly"), Qt::CaseInsensitive) ||
                        erro.Description().contains(QLatin1String("read-only"), Qt::CaseInsensitive))
                << erro.Description().toStdString();
        }
    }
    EXPECT_EQ(Linhas("pess"), pessoas);
    EXPECT_EQ(Linhas("pedi_veds"), pedidos);
}

// The embedded database: the one whose file the program opens itself.
std::vector<ParametroRelatorio> ParametrosSqlite()
{
    return {{Backend::Sqlite, MotorRelatorio::Fiel}, {Backend::Sqlite, MotorRelatorio::Rapido}};
}

INSTANTIATE_TEST_SUITE_P(Bancos, SomenteLeitura, ::testing::ValuesIn(ParametrosSqlite()), NomeDoParametro);

}  // namespace
