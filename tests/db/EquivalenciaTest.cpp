// The program's SQL, written for SQL Server, gives the same rows on every
// available backend (SQLite always, Firebird when the test server runs).
#include "DadosDeTeste.h"
#include "startup/Ambiente.h"
#include "support/BancoDeTeste.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

struct Caso {
    const char* nome;
    QString sql;
    QStringList esperado;
    bool semOrdem = false;  // no ORDER BY: the rows are compared as a set
};

// One row per line, for readable failures.
std::string texto(QStringList linhas, bool ordenar = false)
{
    if (ordenar)
        linhas.sort();
    return linhas.join(u'\n').toStdString();
}

const QString selecaoAtividade = QStringLiteral(
    "SELECT pess.IDPESS, pess.NOME_PESS, pess.NOME_CONH, pess.PSFI_PSJU, pess.CPF0_CNPJ, pess.RG00_IE00, "
    "pess.ENDE_COML_PESS, pess.BAIR_COML_PESS, pess.CIDA_COML_PESS, pess.CEP0_COML_PESS, pess.UF00_COML_PESS, "
    "pess.ENDE_ENTG_PESS, pess.BAIR_ENTG_PESS, pess.CIDA_ENTG_PESS, pess.CEP0_ENTG_PESS, pess.UF00_ENTG_PESS, "
    "pess.TELE_0001_PESS, pess.TELE_0002_PESS, pess.EMAI_PESS, pess.HTTP_PESS, pess.ENDE_COBR_PESS, "
    "pess.BAIR_COBR_PESS, pess.CIDA_COBR_PESS, pess.CEP0_COBR_PESS, pess.UF00_COBR_PESS, pess.FAX0_0001_PESS, "
    "pess.FAX0_0002_PESS, pess.DATA_ANIV, pess.SEXO, pess.DATA_INCL, pess.USER_INCL, pess.DATA_DESA, "
    "pess.USER_DESA, ATIV.DESC_ATIV, pess.idCLIE, pess.idTRPT, pess.idVEND, pess.idMOTO, pess.idDECO, "
    "pess.idFORN, pess.idARQT FROM ATIV, pess, PESS_ATIV WHERE PESS_ATIV.IDPESS = pess.IDPESS AND "
    "PESS_ATIV.IDATIV = ATIV.IDATIV AND (pess.DATA_DESA Is Null) AND (ATIV.DESC_ATIV like '%atac%') "
    "order by nome_conh");

// Dialect cases and real query texts, with the rows SQL Server gives.
const QVector<Caso> casos = {
    {"DataEntreLimitesDoDia",
     "select idpedi_veds from pedi_veds where data_pedi>='20240301 00:00' and data_pedi<='20240302 23:59' "
     "order by idpedi_veds",
     {"L:1", "L:2", "L:3", "L:5", "L:7"}},
    {"DataIgualAMeiaNoite",
     "select pedi_veds.nume_pedi, pedi_veds.data_pedi from pedi_veds where pedi_veds.data_pedi='20240301 00:00' "
     "AND (pedi_veds.data_desa is null) ORDER BY pedi_veds.data_pedi, pedi_veds.idvend",
     {"L:101|T:2024-03-01 00:00:00"}},
    {"AgrupaPorData",
     QStringLiteral("SELECT pedi_veds.DATA_PEDI FROM pedi_veds WHERE (DATA_PEDI>='20240301 00:00' and "
                    "DATA_PEDI<='20240303 23:59') AND (pedi_veds.data_desa is null) and pedi_veds.codi_empr = "
                    "'001' group BY DATA_PEDI")
         .toUpper(),
     {"T:2024-03-01 00:00:00", "T:2024-03-01 15:30:00", "T:2024-03-02 23:59:00", "T:2024-03-02 23:59:30"},
     true},
    {"MaiusculaAcentuadaIgualMinuscula", "select idpess from pess where nome_pess = 'JOÃO' order by idpess",
     {"L:112"}},
    {"SemAcentoDifereDeAcentuado", "select idpess from pess where nome_pess = 'JOAO' order by idpess", {"L:12"}},
    {"BrancosAoFimIgnoradosNoIgual", "SELECT PATH_DANFE FROM EMPR WHERE CODI_EMPR = '001'", {"N"}},
    {"LikeComAcentoEmMaiusculas",
     "SELECT IDPESS FROM PESS WHERE DATA_DESA IS NULL AND (PESS.NOME_PESS LIKE '%JOÃO%') ORDER BY PESS.NOME_PESS",
     {"L:112", "L:1"}},
    {"LikeNumaColunaInteira", "select idpess from pess where data_desa is null and (idpess like '%12%') order by idpess",
     {"L:12", "L:112"}},
    {"NaoNuloComNot", "SELECT IDPESS, DATA_DESA FROM pess WHERE (Not DATA_DESA Is Null) order by nome_pess",
     {"L:120|T:2024-03-01 23:59:30"}},
    {"NumeroEntreAspasNaColunaInteira",
     "select pess.nome_pess from clie, pess where pess.idpess = clie.idpess and clie.idclie = '5'",
     {"S:JOÃO D'ÁVILA"}},
    {"AspasSemBrancoAntesDoOrderBy",
     "select desc_ativ from ativ where data_desa is null and desc_ativ like 'ata%'order by desc_ativ",
     {"S:ATACADISTA", "S:Atacado"}},
    {"NulosPrimeiroNaOrdem", "SELECT IDPESS FROM PESS WHERE DATA_DESA IS NULL ORDER BY NOME_CONH",
     {"L:200", "L:112", "L:1", "L:12", "L:7", "L:8"}},
    {"OrdemDeDicionario", "select desc_marc from marc order by desc_marc",
     {"S:abacaxi", "S:ÁGUIA", "S:Tevrano"}},
    {"ApostrofoDobrado",
     QStringLiteral("select clie.idclie from clie, pess where pess.idpess = clie.idpess and "
                    "pess.nome_pess='João D''Ávila'")
         .toUpper(),
     {"L:5"}},
    {"CodigoEmpresaComBrancos", "SELECT CODI_EMPR FROM EMPR WHERE IDEMPR = 1", {"S:001  "}},
    {"UsuarioPorId", "SELECT IDUSEN, USEN FROM USEN WHERE IDUSEN=3", {"L:3|S:maria"}},
    {"VendedoresAtivosPorFiltro",
     "select pess.nome_conh from pess, vend where pess.idpess = vend.idpess and pess.nome_conh like 'z%' "
     "and vend.data_desa is null order by pess.nome_conh",
     {"S:ZÉ"}},
    {"TipoDeClientePorDescricao",
     QStringLiteral("select idtipo_clie from tipo_clie where desc_tipo_clie='Varejão'").toUpper(), {"L:2"}},
    {"DescontoPorNumeroEntreAspas", "SELECT VALO_DECT From pedi_veds Where nume_pedi = '101'", {"D:1.5"}},
    {"ListaDePedidos",
     QStringLiteral("SELECT pedi_veds.idpedi_veds, pedi_veds.nume_pedi, pedi_veds.DATA_REAL_ENTG, "
                    "pedi_veds.VALO_DECT FROM pedi_veds, clie, pess WHERE (pedi_veds.idclie = clie.idClie and "
                    "clie.idpess = pess.idpess) and (DATA_PEDI>='20240301 00:00' and DATA_PEDI<='20240302 23:59') "
                    "AND (pedi_veds.data_desa is null) and pedi_veds.codi_empr = '001' AND pedi_veds.IDVEND = 1 "
                    "AND pess.idTipo_Clie = 1 ORDER BY idpedi_veds")
         .toUpper(),
     {"L:1|L:101|T:2024-03-02 06:00:00|D:1.5", "L:3|L:103|N|N"}},
    {"ItensDoPedido",
     "SELECT pedi_veds_deta.QTDE, pedi_veds_deta.status_prod, prod.codi_prod, prod.desc_prod "
     "From pedi_veds_deta, prod Where pedi_veds_deta.idprod = prod.idprod and pedi_veds_deta.idPedi_Veds = 1 "
     "and pedi_veds_deta.data_desa is null  ",
     {"D:0.5|N|S:B02|S:BANANA MAÇÃ", "D:10|S:Verde|S:B01|S:BANANA NANICA"},
     true},
    {"AgrupamentoDeProdutos",
     "SELECT prod.codi_prod, sum(pedi_veds_deta.qtde) as qtde From pedi_veds, pedi_veds_deta, prod Where "
     "pedi_veds.idpedi_veds = pedi_veds_deta.idpedi_veds and pedi_veds_deta.idprod = prod.idprod and "
     "pedi_veds_deta.data_desa is null and (DATA_PEDI>='20240301 00:00' and DATA_PEDI<='20240302 23:59') "
     "group by prod.codi_prod",
     {"S:B01|D:12.25", "S:B02|D:0.5"},
     true},
    {"QuantidadePorStatus",
     "SELECT pedi_veds_deta.status_prod, pedi_veds_deta.QTDE From pedi_veds_deta, prod Where "
     "pedi_veds_deta.idprod = prod.idprod and pedi_veds_deta.idPedi_Veds = 3 and prod.IDSUB0_GRUP = 1 "
     "and pedi_veds_deta.status_prod = 'MADURA' and pedi_veds_deta.data_desa is null  ",
     {"S:madura|D:2.25"}},
    {"ProdutosAtivos", "select idprod, codi_prod, desc_prod from prod where data_desa is null order by idprod",
     {"L:1|S:B01|S:BANANA NANICA", "L:2|S:B02|S:BANANA MAÇÃ"}},
    {"BuscaPorTelefone",
     QStringLiteral("SELECT IDPESS FROM pess WHERE data_desa is null and (tele_0001_pess like '%1200%' or "
                    "tele_0002_pess like '%1200%' or fax0_0001_pess like '%1200%' or fax0_0002_pess like "
                    "'%1200%') order by nome_pess")
         .toUpper(),
     {"L:112", "L:1"}},
    {"BuscaPorCidadeComAcento", "SELECT IDPESS FROM PESS WHERE DATA_DESA IS NULL AND CIDA_COML_PESS LIKE '%SÃO%' "
                                "ORDER BY NOME_CONH",
     {"L:1"}},
    {"CuringaDoUsuarioNoLike", "SELECT IDPESS FROM PESS WHERE CPF0_CNPJ LIKE '%.__5%' ORDER BY NOME_PESS",
     {"L:12"}},
    {"ClientesAtivosPorNome",
     "SELECT PESS.IDPESS, PESS.NOME_PESS, CLIE.IDCLIE FROM CLIE, PESS Where CLIE.IDPESS = PESS.IDPESS "
     " And (CLIE.DATA_DESA Is Null) AND (PESS.NOME_PESS Like '%jo%') ORDER BY PESS.NOME_PESS",
     {"L:12|S:joao|L:6", "L:1|S:JOÃO D'ÁVILA|L:5"}},
    {"BuscaPorRamoDeAtividade", selecaoAtividade.toUpper(),
     {"L:1|S:JOÃO D'ÁVILA|S:JOÃO|N|S:123.456.789-00|N|N|N|S:São Paulo|N|N|N|N|N|N|N|S:3222-1200|N|N|N|N|N|N|N|N|N|N|N"
      "|N|T:2024-03-01 10:00:00|N|N|N|S:Atacado|N|N|N|N|N|N|N",
      "L:12|S:joao|S:Joãozinho|N|S:98.765|N|N|N|N|N|N|N|N|N|N|N|N|N|N|N|N|N|N|N|N|N|N|N|N|T:2024-02-01 "
      "08:00:00|N|N|N|S:ATACADISTA|N|N|N|N|N|N|N"}},
};

class EquivalenciaTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override
    {
        banco = std::make_unique<BancoDeTeste>(GetParam());
        InsereDadosDeTeste(*banco);
    }
    std::unique_ptr<BancoDeTeste> banco;
};

TEST_P(EquivalenciaTest, ConsultasDoProgramaDaoAsLinhasDoServidorPadrao)
{
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const QStringList linhas = LinhasDe(caso.sql);
        EXPECT_EQ(texto(linhas, caso.semOrdem), texto(caso.esperado, caso.semOrdem)) << caso.sql.toStdString();
    }
}

// Every column of the wide selects, typed, is the same on every backend.
TEST(EquivalenciaEntreBancos, SelecoesComEstrelaDaoAsMesmasLinhas)
{
    const QStringList consultas = {
        QStringLiteral("SELECT pedi_veds.* FROM pedi_veds, clie, pess WHERE (pedi_veds.idclie = clie.idClie and "
                       "clie.idpess = pess.idpess) and (DATA_PEDI>='20240229 00:00' and DATA_PEDI<='20240302 "
                       "23:59') AND (pedi_veds.data_desa is null) and pedi_veds.codi_empr = '001' ORDER BY "
                       "idpedi_veds")
            .toUpper(),
        QStringLiteral("SELECT * FROM pess WHERE (Not DATA_DESA Is Null) order by nome_pess"),
        QStringLiteral("SELECT * FROM PESS WHERE DATA_DESA IS NULL ORDER BY IDPESS"),
        QStringLiteral("SELECT pedi_veds_deta.*, prod.idprod, prod.codi_prod, prod.desc_prod From pedi_veds_deta, "
                       "prod Where pedi_veds_deta.idprod = prod.idprod order by idpedi_veds_deta"),
        QStringLiteral("select * from empr_cnfg where nome_para='COR_PADRAO'"),
    };
    QMap<std::string, QVector<QStringList>> porBanco;
    for (Backend backend : BancoDeTeste::disponiveis()) {
        BancoDeTeste banco(backend);
        InsereDadosDeTeste(banco);
        for (const QString& sql : consultas)
            porBanco[BancoDeTeste::nome(backend)] << LinhasDe(sql);
    }
    const QVector<QStringList> referencia = porBanco.value("Sqlite");
    ASSERT_EQ(referencia.size(), consultas.size());
    EXPECT_EQ(referencia[2].size(), 6);
    for (auto it = porBanco.cbegin(); it != porBanco.cend(); ++it)
        for (int i = 0; i < consultas.size(); ++i)
            EXPECT_EQ(texto(it.value()[i]), texto(referencia[i])) << it.key() << ": " << consultas[i].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Bancos, EquivalenciaTest, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
