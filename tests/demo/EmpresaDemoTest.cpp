#include "ConsultaDemo.h"

#include "platform/Clock.h"
#include "platform/VbError.h"
#include "startup/EmpresaDemo.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// One demo database for the whole suite (writing it takes a moment).
class EmpresaDemoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        pasta = new QTemporaryDir;
        GeraEmpresaDemo(pasta->filePath(QStringLiteral("demo.db")), Hoje());
        banco = new ConsultaDemo(pasta->filePath(QStringLiteral("demo.db")));
    }

    static void TearDownTestSuite()
    {
        delete banco;
        delete pasta;
    }

    static QString hojeIso() { return Hoje().toString(QStringLiteral("yyyy-MM-dd")); }

    static QTemporaryDir* pasta;
    static ConsultaDemo* banco;
};

QTemporaryDir* EmpresaDemoTest::pasta = nullptr;
ConsultaDemo* EmpresaDemoTest::banco = nullptr;

const QStringList tabelas{
    "empr", "empr_cnfg", "usen", "cor_sist", "tipo_clie", "pess", "clie", "vend", "forn", "trpt", "moto", "deco",
    "arqt", "ativ", "pess_ativ", "marc", "prod", "pedi_veds", "pedi_veds_deta",
};

QVector<QStringList> conteudo(const ConsultaDemo& banco)
{
    QVector<QStringList> tudo;
    for (const QString& tabela : tabelas) {
        tudo << QStringList{tabela};
        tudo += banco.linhas(QStringLiteral("select * from %1 order by 1").arg(tabela));
    }
    return tudo;
}

TEST_F(EmpresaDemoTest, HojeFixadoPeloAmbienteDoTeste)
{
    // The other date checks rely on it: a Sunday, three months after a short February.
    EXPECT_EQ(Hoje(), QDate(2026, 5, 31));
}

struct Contagem {
    const char* nome;
    const char* sql;
    qint64 minimo;
    qint64 maximo;
};

class ContagensDemo : public EmpresaDemoTest, public ::testing::WithParamInterface<Contagem> {};

TEST_P(ContagensDemo, DentroDaFaixa)
{
    const Contagem& c = GetParam();
    const qint64 n = banco->numero(QString::fromUtf8(c.sql));
    EXPECT_GE(n, c.minimo) << c.sql;
    EXPECT_LE(n, c.maximo) << c.sql;
}

INSTANTIATE_TEST_SUITE_P(
    Demo, ContagensDemo,
    ::testing::Values(
        Contagem{"DuasEmpresas", "select count(*) from empr", 2, 2},
        Contagem{"Empresas001e002", "select count(*) from empr where codi_empr in ('001', '002')", 2, 2},
        Contagem{"Clientes", "select count(*) from clie", 55, 65},
        Contagem{"ClientesDesativados", "select count(*) from clie where data_desa is not null", 3, 8},
        Contagem{"VendedoresAtivos", "select count(*) from vend where data_desa is null", 6, 6},
        Contagem{"VendedoresComNomeCurto", "select count(*) from vend join pess using (idpess) "
                                              "where vend.data_desa is null and length(nome_conh) between 2 and 12", 6, 6},
        Contagem{"Fornecedores", "select count(*) from forn", 3, 10},
        Contagem{"Transportadoras", "select count(*) from trpt", 2, 6},
        Contagem{"Motoristas", "select count(*) from moto", 2, 6},
        Contagem{"TiposDeClienteAtivos", "select count(*) from tipo_clie where data_desa is null", 5, 5},
        Contagem{"Marcas", "select count(*) from marc where data_desa is null", 4, 4},
        Contagem{"ProdutosAtivos", "select count(*) from prod where data_desa is null", 28, 32},
        Contagem{"Subgrupos1a5", "select count(distinct IDSUB0_GRUP) from prod where IDSUB0_GRUP between 1 and 5", 5, 5},
        Contagem{"ProdutosForaDosSubgrupos", "select count(*) from prod where IDSUB0_GRUP not between 1 and 5", 0, 0},
        Contagem{"CodigosDeProdutoRepetidos", "select count(*) - count(distinct codi_prod) from prod", 0, 0},
        Contagem{"Pedidos", "select count(*) from pedi_veds", 1300, 1700},
        Contagem{"PedidosDa001", "select count(*) from pedi_veds where codi_empr = '001'", 700, 1200},
        Contagem{"PedidosDa002", "select count(*) from pedi_veds where codi_empr = '002'", 300, 700},
        Contagem{"PedidosDesativados", "select count(*) from pedi_veds where data_desa is not null", 3, 40},
        Contagem{"ItensDesativados", "select count(*) from pedi_veds_deta where data_desa is not null", 3, 200},
        Contagem{"PedidosSemVendedor", "select count(*) from pedi_veds where idvend is null", 10, 150},
        Contagem{"PedidosSemEntrega", "select count(*) from pedi_veds where DATA_REAL_ENTG is null", 10, 250},
        Contagem{"PedidosComDescontoNoCabecalho", "select count(*) from pedi_veds where VALO_DECT > 0", 50, 400},
        Contagem{"QuantidadesFracionadas", "select count(*) from pedi_veds_deta where QTDE <> cast(QTDE as integer)", 50, 5000},
        Contagem{"ItensSemSituacao", "select count(*) from pedi_veds_deta where status_prod = ''", 50, 2000},
        Contagem{"PedidosSemItens", "select count(*) from pedi_veds p where not exists "
                                      "(select 1 from pedi_veds_deta d where d.idpedi_veds = p.idpedi_veds)", 0, 0},
        Contagem{"NumerosDePedidoRepetidos", "select count(*) - count(distinct nume_pedi) from pedi_veds", 0, 0},
        Contagem{"ItensDeProdutoInexistente", "select count(*) from pedi_veds_deta d "
                                                 "where not exists (select 1 from prod p where p.idprod = d.idprod)", 0, 0},
        Contagem{"PedidosDeClienteInexistente", "select count(*) from pedi_veds p "
                                                   "where not exists (select 1 from clie c where c.idclie = p.idclie)", 0, 0},
        Contagem{"AtividadesDePessoas", "select count(*) from pess_ativ", 50, 200},
        Contagem{"AtividadeDesativada", "select count(*) from ativ where data_desa is not null", 1, 3},
        Contagem{"Usuarios", "select count(*) from usen where data_desa is null", 2, 10}),
    [](const ::testing::TestParamInfo<Contagem>& info) { return std::string(info.param.nome); });

TEST_F(EmpresaDemoTest, ClienteComApostrofoEAcentos)
{
    EXPECT_EQ(banco->numero("select count(*) from clie join pess using (idpess) where nome_pess like '%D''ÁVILA%'"), 1);
    EXPECT_GE(banco->numero("select count(*) from clie join pess using (idpess) where nome_pess like '%JOÃO%'"), 2);
    EXPECT_GE(banco->numero("select count(*) from clie join pess using (idpess) where nome_pess like '%CONCEIÇÃO%'"), 2);
}

TEST_F(EmpresaDemoTest, NomesEmMaiusculas)
{
    const QStringList nomes = banco->coluna("select nome_pess from pess union all select coalesce(nome_conh, '') from pess "
                                            "union all select desc_prod from prod union all select desc_marc from marc");
    ASSERT_FALSE(nomes.isEmpty());
    for (const QString& nome : nomes)
        EXPECT_EQ(nome, nome.toUpper());
}

// Check digits of CPF (11 digits) and CNPJ (14 digits): weights run down from
// 2 above the digit count to 2 (CNPJ: wrapping to 9 after 2), remainder of 11.
bool documentoValido(const QString& formatado)
{
    QString d;
    for (QChar c : formatado) {
        if (c.isDigit())
            d += c;
    }
    if (d.size() != 11 && d.size() != 14)
        return false;
    for (int corpo = d.size() - 2; corpo < d.size(); ++corpo) {
        int soma = 0;
        for (int i = 0; i < corpo; ++i) {
            const int peso = d.size() == 11 ? corpo + 1 - i : 2 + (corpo - 1 - i) % 8;
            soma += d[i].digitValue() * peso;
        }
        const int dv = soma % 11 < 2 ? 0 : 11 - soma % 11;
        if (d[corpo].digitValue() != dv)
            return false;
    }
    return true;
}

TEST(DocumentoValido, ConfereExemplosConhecidos)
{
    EXPECT_TRUE(documentoValido("529.982.247-25"));
    EXPECT_FALSE(documentoValido("529.982.247-26"));
    EXPECT_TRUE(documentoValido("11.222.333/0001-81"));
    EXPECT_FALSE(documentoValido("11.222.333/0001-80"));
}

TEST_F(EmpresaDemoTest, CpfECnpjComDigitosCorretos)
{
    const QVector<QStringList> documentos = banco->linhas("select PSFI_PSJU, CPF0_CNPJ from pess where CPF0_CNPJ is not null");
    ASSERT_GT(documentos.size(), 50);
    for (const QStringList& linha : documentos) {
        const QRegularExpression forma(linha[0] == "F" ? QStringLiteral("^\\d{3}\\.\\d{3}\\.\\d{3}-\\d{2}$")
                                                       : QStringLiteral("^\\d{2}\\.\\d{3}\\.\\d{3}/0001-\\d{2}$"));
        EXPECT_TRUE(forma.match(linha[1]).hasMatch()) << linha.join(' ').toStdString();
        EXPECT_TRUE(documentoValido(linha[1])) << linha[1].toStdString();
    }
    EXPECT_GE(banco->numero("select count(*) from pess where CPF0_CNPJ is null"), 1);
}

TEST_F(EmpresaDemoTest, SituacoesDosItensComoGravadas)
{
    const QStringList situacoes = banco->coluna("select distinct status_prod from pedi_veds_deta order by 1");
    EXPECT_EQ(situacoes, (QStringList{"", "COLORIDA", "MADURA", "VERDE"}));
}

struct Papel {
    const char* tabela;
    const char* colunaPess;
};

class PapeisDemo : public EmpresaDemoTest, public ::testing::WithParamInterface<Papel> {};

// pess.idXXXX holds the person's id in role table XXXX, and nothing else.
TEST_P(PapeisDemo, ColunaDaPessoaIgualATabelaDoPapel)
{
    const QString tabela = QString::fromLatin1(GetParam().tabela);
    const QString coluna = QString::fromLatin1(GetParam().colunaPess);
    EXPECT_EQ(banco->numero(QStringLiteral("select count(*) from %1 r left join pess p on p.idpess = r.idpess "
                                           "where p.%2 is null or p.%2 <> r.id%1").arg(tabela, coluna)),
              0);
    EXPECT_EQ(banco->numero(QStringLiteral("select count(*) from pess p where p.%2 > 0 and not exists "
                                           "(select 1 from %1 r where r.id%1 = p.%2 and r.idpess = p.idpess)")
                                .arg(tabela, coluna)),
              0);
    EXPECT_EQ(banco->numero(QStringLiteral("select count(*) - count(distinct idpess) from %1").arg(tabela)), 0);
}

INSTANTIATE_TEST_SUITE_P(Demo, PapeisDemo,
                         ::testing::Values(Papel{"clie", "idCLIE"}, Papel{"forn", "idFORN"}, Papel{"vend", "idVEND"},
                                           Papel{"trpt", "idTRPT"}, Papel{"moto", "idMOTO"},
                                           Papel{"deco", "idDECO"}, Papel{"arqt", "idARQT"}),
                         [](const ::testing::TestParamInfo<Papel>& info) { return std::string(info.param.tabela); });

TEST_F(EmpresaDemoTest, PessoasComMaisDeUmPapelEProspects)
{
    EXPECT_GE(banco->numero("select count(*) from pess where idCLIE > 0 and idFORN > 0"), 1);
    EXPECT_GE(banco->numero("select count(*) from pess where idMOTO > 0 and idTRPT > 0"), 1);
    EXPECT_GE(banco->numero("select count(*) from pess where coalesce(idCLIE, 0) = 0 and coalesce(idFORN, 0) = 0 "
                            "and coalesce(idVEND, 0) = 0 and coalesce(idTRPT, 0) = 0 and coalesce(idMOTO, 0) = 0"),
              1);
}

TEST_F(EmpresaDemoTest, DesativacaoDoClienteAcompanhaAPessoa)
{
    EXPECT_EQ(banco->numero("select count(*) from clie c join pess p using (idpess) "
                            "where (c.data_desa is null) <> (p.DATA_DESA is null)"),
              0);
}

TEST_F(EmpresaDemoTest, PedidosNosTresMesesAteHoje)
{
    const QString primeiro = Hoje().addMonths(-3).toString(QStringLiteral("yyyy-MM-dd 00:00:00"));
    EXPECT_GT(banco->valor("select min(data_pedi) from pedi_veds").toString(), primeiro);
    EXPECT_EQ(banco->valor("select max(data_pedi) from pedi_veds").toString(), hojeIso() + " 00:00:00");
    // Every day of the period has orders of company 001, today included.
    const qint64 dias = Hoje().addMonths(-3).daysTo(Hoje());
    EXPECT_EQ(banco->numero("select count(distinct data_pedi) from pedi_veds where codi_empr = '001'"), dias);
}

TEST_F(EmpresaDemoTest, DatasEmTextoIso)
{
    const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$"));
    const QStringList datas = banco->coluna(
        "select data_pedi from pedi_veds union all select DATA_REAL_ENTG from pedi_veds where DATA_REAL_ENTG is not null "
        "union all select DATA_FECH from pedi_veds where DATA_FECH is not null "
        "union all select data_desa from pedi_veds_deta where data_desa is not null "
        "union all select DATA_INCL from pess union all select DATA_DESA from pess where DATA_DESA is not null");
    ASSERT_GT(datas.size(), 1000);
    for (const QString& data : datas)
        ASSERT_TRUE(iso.match(data).hasMatch()) << data.toStdString();
    EXPECT_EQ(banco->numero("select count(*) from pedi_veds where data_pedi not like '% 00:00:00'"), 0);
}

TEST_F(EmpresaDemoTest, EntregaEFechamentoNaoAntesDoPedidoNemDepoisDeHoje)
{
    const QString fimDeHoje = hojeIso() + " 23:59:59";
    EXPECT_EQ(banco->numero("select count(*) from pedi_veds where DATA_REAL_ENTG < data_pedi or DATA_FECH < data_pedi"), 0);
    EXPECT_EQ(banco->numero(QStringLiteral("select count(*) from pedi_veds where DATA_REAL_ENTG > '%1' or DATA_FECH > '%1'")
                                .arg(fimDeHoje)),
              0);
    EXPECT_EQ(banco->numero("select count(*) from pedi_veds where DATA_FECH is not null and DATA_REAL_ENTG is null"), 0);
}

TEST_F(EmpresaDemoTest, DesativadosNaoCompramNemVendemDepoisDaDesativacao)
{
    EXPECT_GE(banco->numero("select count(*) from vend where data_desa is not null"), 1);
    EXPECT_EQ(banco->numero("select count(*) from pedi_veds p join clie c on c.idclie = p.idclie "
                            "where c.data_desa is not null and p.data_pedi >= c.data_desa"),
              0);
    EXPECT_EQ(banco->numero("select count(*) from pedi_veds p join vend v on v.idvend = p.idvend "
                            "where v.data_desa is not null and p.data_pedi >= v.data_desa"),
              0);
    EXPECT_EQ(banco->numero("select count(*) from pedi_veds_deta d join prod p on p.idprod = d.idprod "
                            "where p.data_desa is not null"),
              0);
}

TEST_F(EmpresaDemoTest, ValoresDosItensFecham)
{
    EXPECT_EQ(banco->numero("select count(*) from pedi_veds_deta where abs(VALO_UNIT - VALO_DECT - VALO_LIQU) > 0.005"), 0);
    EXPECT_EQ(banco->numero("select count(*) from pedi_veds_deta where abs(QTDE * VALO_LIQU - VALO_TOTA) > 0.006"), 0);
    EXPECT_EQ(banco->numero("select count(*) from pedi_veds_deta where VALO_LIQU <= 0 or QTDE <= 0"), 0);
    // A header discount never exceeds what the active items are worth.
    EXPECT_EQ(banco->numero("select count(*) from pedi_veds p where VALO_DECT > (select sum(VALO_TOTA) "
                            "from pedi_veds_deta d where d.idpedi_veds = p.idpedi_veds and d.data_desa is null)"),
              0);
}

TEST_F(EmpresaDemoTest, ParametrosCoresEUsuarios)
{
    EXPECT_EQ(banco->coluna("select distinct valo_para from empr_cnfg where nome_para = 'MODELO_PEDI_VEDS'"),
              QStringList{"3"});
    EXPECT_EQ(banco->numero("select count(distinct idempr) from empr_cnfg where nome_para = 'MODELO_PEDI_VEDS'"), 2);
    EXPECT_EQ(banco->numero("select count(*) from cor_sist"), 2);
    EXPECT_EQ(banco->numero("select count(*) from empr_cnfg e join cor_sist c on c.DESC_COR_SIST = e.valo_para "
                            "where e.nome_para = 'COR_PADRAO'"),
              2);
    for (const QStringList& cores : banco->linhas("select CODI_BACK_0001, CODI_FORE_0001, CODI_BACK_0002, CODI_FORE_0002 "
                                                  "from cor_sist")) {
        for (const QString& cor : cores) {
            bool numero = false;
            cor.toLongLong(&numero);
            EXPECT_TRUE(numero) << cor.toStdString();
        }
    }
    EXPECT_EQ(banco->valor("select usen from usen where IDUSEN = 1").toString(), "MARIA");
    EXPECT_EQ(banco->numero("select count(*) from empr where trim(coalesce(PATH_DANFE, '')) = ''"), 0);
}

TEST_F(EmpresaDemoTest, MesmoDiaMesmoConteudo)
{
    QTemporaryDir outra;
    GeraEmpresaDemo(outra.filePath(QStringLiteral("demo.db")), Hoje());
    const ConsultaDemo segunda(outra.filePath(QStringLiteral("demo.db")));
    const QVector<QStringList> esperado = conteudo(*banco);
    ASSERT_GT(esperado.size(), 5000);
    EXPECT_TRUE(conteudo(segunda) == esperado);
}

TEST_F(EmpresaDemoTest, PedidosAcompanhamODia)
{
    QTemporaryDir outra;
    const QDate amanha = Hoje().addDays(1);
    GeraEmpresaDemo(outra.filePath(QStringLiteral("demo.db")), amanha);
    const ConsultaDemo seguinte(outra.filePath(QStringLiteral("demo.db")));
    EXPECT_EQ(seguinte.valor("select max(data_pedi) from pedi_veds").toString(),
              amanha.toString(QStringLiteral("yyyy-MM-dd 00:00:00")));
}

TEST(EmpresaDemoArquivo, ArquivoQueNaoEhBancoFalha)
{
    QTemporaryDir pasta;
    QFile lixo(pasta.filePath(QStringLiteral("lixo.db")));
    ASSERT_TRUE(lixo.open(QIODevice::WriteOnly));
    lixo.write(QByteArray(4096, 'x'));
    lixo.close();
    EXPECT_THROW(GeraEmpresaDemo(lixo.fileName(), QDate(2026, 5, 31)), VbError);
}

}  // namespace
