#include "platform/Ado.h"
#include "fixtures/BancoDeTeste.h"
#include "platform/VbError.h"
#include "startup/Ambiente.h"
#include "support/Auxiliares.h"
#include "support/Casos.h"

#include <gtest/gtest.h>

namespace {

// A fresh database of `backend` with two orders, as casos/tipos.tsv describes them.
std::unique_ptr<BancoDeTeste> bancoComPedidos(Backend backend)
{
    auto banco = std::make_unique<BancoDeTeste>(backend);
    banco->executa("insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, DATA_REAL_ENTG, "
                   "idclie, VALO_DECT) values (1, 10, '001', '2024-03-05 14:30:00', null, 7, 2.5)");
    banco->executa("insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie) "
                   "values (2, 11, '002', '2024-03-06 00:00:00', 8)");
    return banco;
}

class RecordsetTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override { banco = bancoComPedidos(GetParam()); }
    std::unique_ptr<BancoDeTeste> banco;
};

TEST_P(RecordsetTest, PercorreELeOsCampos)
{
    Recordset rs;
    rs.Open("select idpedi_veds, VALO_DECT from pedi_veds order by idpedi_veds", Conexao());
    ASSERT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.Fields("IDPEDI_VEDS"), Variant::Long(1));
    rs.MoveNext();
    EXPECT_TRUE(rs.Fields("Valo_Dect").IsNull());
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(ErroVb([&] { rs.Fields("idpedi_veds"); }), vb_error::NoCurrentRecord);
    EXPECT_EQ(ErroVb([&] { rs.MoveNext(); }), vb_error::NoCurrentRecord);
    rs.MoveFirst();
    EXPECT_EQ(rs.Fields("idpedi_veds"), Variant::Long(1));
    EXPECT_EQ(ErroVb([&] { rs.Fields("nao_existe"); }), vb_error::ItemNotFound);
    rs.Close();
    EXPECT_EQ(rs.State(), adStateClosed);
    EXPECT_EQ(ErroVb([&] { rs.Eof(); }), vb_error::ObjectClosed);
}

// Forward-only: the same values, each row read only when MoveNext reaches it.
TEST_P(RecordsetTest, SoParaFrenteLeCadaLinhaAoChegarNela)
{
    const long linhasAntes = Conexao().contador.linhas;
    Recordset rs;
    rs.Open("select idpedi_veds, data_pedi from pedi_veds order by idpedi_veds", Conexao(), adOpenForwardOnly);
    EXPECT_EQ(Conexao().contador.linhas - linhasAntes, 1);
    EXPECT_EQ(rs.RecordCount(), -1);
    const int data = rs.Indice(" DATA_PEDI ");
    EXPECT_EQ(rs.Fields(data), Variant(QDateTime(QDate(2024, 3, 5), QTime(14, 30))));
    EXPECT_EQ(ErroVb([&] { rs.MoveFirst(); }), adErroSoParaFrente);
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("idpedi_veds"), Variant::Long(2));
    EXPECT_EQ(Conexao().contador.linhas - linhasAntes, 2);
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(ErroVb([&] { rs.Fields(data); }), vb_error::NoCurrentRecord);
    rs.Close();
    rs.Open("select idpedi_veds from pedi_veds where idpedi_veds < 0", Conexao(), adOpenForwardOnly);
    EXPECT_TRUE(rs.Eof());
    EXPECT_TRUE(rs.Bof());
}

TEST_P(RecordsetTest, ErroDaConsultaTrazOTextoDoServidor)
{
    Recordset rs;
    try {
        rs.Open("select coluna_inexistente from pedi_veds", Conexao());
        FAIL() << "no error";
    } catch (const VbError& erro) {
        EXPECT_EQ(erro.Number(), adErroNaConsulta);
        EXPECT_TRUE(erro.Description().contains("COLUNA_INEXISTENTE", Qt::CaseInsensitive));
    }
}

INSTANTIATE_TEST_SUITE_P(Bancos, RecordsetTest, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

using BancoECaso = std::tuple<Backend, Caso>;
class Tipos : public ::testing::TestWithParam<BancoECaso> {};

TEST_P(Tipos, PrimeiraLinhaDeUmaColuna)
{
    const auto banco = bancoComPedidos(std::get<0>(GetParam()));
    const Caso& caso = std::get<1>(GetParam());
    Recordset rs;
    rs.Open(caso("sql"), Conexao());
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields(0), caso.variant("esperado"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, Tipos,
                         ::testing::Combine(::testing::ValuesIn(BancoDeTeste::disponiveis()),
                                            ::testing::ValuesIn(Casos("db/casos/tipos.tsv"))),
                         [](const ::testing::TestParamInfo<BancoECaso>& info) {
                             return BancoDeTeste::nome(std::get<0>(info.param)) + '_' + std::get<1>(info.param).nome();
                         });

TEST(ConnectionTest, EstadoFechamentoENomesUnicos)
{
    BancoDeTeste banco;
    Connection outra;
    EXPECT_EQ(outra.State(), adStateClosed);
    outra.Open(Backend::Sqlite, banco.stringDeConexao());
    EXPECT_EQ(outra.State(), adStateOpen);
    EXPECT_EQ(ErroVb([&] { outra.Open(Backend::Sqlite, banco.stringDeConexao()); }), adErroObjetoAberto);
    EXPECT_EQ(Conexao().State(), adStateOpen);  // a second connection to the same file is independent
    outra.Close();
    EXPECT_EQ(outra.State(), adStateClosed);
    EXPECT_EQ(ErroVb([&] { outra.Close(); }), vb_error::ObjectClosed);
    EXPECT_EQ(ErroVb([&] { outra.Executa("select 1"); }), adErroConexaoFechada);
}

}  // namespace
