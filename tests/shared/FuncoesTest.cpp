#include "shared/Funcoes.h"
#include "fixtures/BancoDeTeste.h"
#include "platform/VbError.h"
#include "support/Casos.h"

#include <QGuiApplication>
#include <QMetaEnum>
#include <QPalette>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <tuple>

namespace {

// Each row on each backend, against the company of shared/funcoes.sql. The
// routines only read it: one database serves every row of a backend.
using CasoNoBanco = std::tuple<Backend, Caso>;

class Funcoes : public ::testing::TestWithParam<CasoNoBanco> {
public:
    static void TearDownTestSuite() { banco.reset(); }

protected:
    void SetUp() override
    {
        funcoes() = VariaveisFuncoes{};
        const Backend backend = std::get<0>(GetParam());
        if (banco && banco->backend() == backend)
            return;
        banco.reset();
        banco = std::make_unique<BancoDeTeste>(backend);
        banco->executaScript(DadosDeTeste("shared/funcoes.sql"));
    }
    const Caso& caso() const { return std::get<1>(GetParam()); }

    static inline std::unique_ptr<BancoDeTeste> banco;
};

auto CasosNosBancos(const char* tabela)
{
    return ::testing::Combine(::testing::ValuesIn(BancoDeTeste::disponiveis()), ::testing::ValuesIn(Casos(tabela)));
}

std::string NomeNoBanco(const ::testing::TestParamInfo<CasoNoBanco>& info)
{
    return BancoDeTeste::nome(std::get<0>(info.param)) + '_' + std::get<1>(info.param).nome();
}

const std::map<QString, Variant (*)(QString&)> Consulta = {
    {"NomeCliente", NomeCliente},
    {"IdMarca", IdMarca},
    {"IdMarcaProduto", IdMarcaProduto},
    {"IdProduto", IdProduto},
    {"DescontoPedido", DescontoPedido},
    {"IdTipoCliente", IdTipoCliente},
    {"IdVendedor", IdVendedor},
    {"IdCliente", IdCliente},
    {"DescProduto", DescProduto},
    {"NomeVendedor", NomeVendedor},
    {"ParametroEmpresa", ParametroEmpresa},
};

using Consultas = Funcoes;

TEST_P(Consultas, DevolvemOValorOuONaoEncontrado)
{
    QString argumento = caso()("argumento");
    EXPECT_EQ(Consulta.at(caso()("funcao"))(argumento), caso().variant("resultado"));
    EXPECT_EQ(argumento, caso()("depois"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, Consultas, CasosNosBancos("shared/casos/consultas.tsv"), NomeNoBanco);

// Each list by name, given the filter text it may trim.
const std::map<QString, QStringList (*)(QString&)> Lista = {
    {"CarregaTipoCliente", [](QString&) { return CarregaTipoCliente(); }},
    {"CarregaVendedores", [](QString& f) { return CarregaVendedores(f); }},
    {"CarregaAtividades", [](QString& f) { return CarregaAtividades(f); }},
    {"CarregaMarcas", [](QString& f) { return CarregaMarcas(f); }},
    {"CarregaClientes", [](QString& f) { return CarregaClientes(f); }},
    {"CarregaCores",
     [](QString& esquema) {
         CarregaCores(esquema);
         const VariaveisFuncoes& f = funcoes();
         return QStringList{f.CorFundo1, f.CorFrente1, f.CorFundo2, f.CorFrente2};
     }},
};

using Listas = Funcoes;

TEST_P(Listas, DevolvemOsAtivosFiltrados)
{
    QString filtro = caso()("filtro");
    EXPECT_EQ(Lista.at(caso()("funcao"))(filtro), caso().lista("entradas"));
    EXPECT_EQ(filtro, caso()("depois"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, Listas, CasosNosBancos("shared/casos/listas.tsv"), NomeNoBanco);

// Each sum by name over its arguments, its result as the Variant of its type.
const std::map<QString, Variant (*)(const QStringList&)> Soma = {
    {"QtdeItensSubGrupo",
     [](const QStringList& a) { return Variant::Integer(QtdeItensSubGrupo(a[0].toInt(), a[1].toInt(), a.value(2))); }},
    {"QtdeProdutoPedido", [](const QStringList& a) { return Variant::Integer(QtdeProdutoPedido(a[0].toInt(), a[1])); }},
    {"TotalQtdePedido",
     [](const QStringList& a) { return Variant::Double(TotalQtdePedido(a[0].toInt(), a[1].toInt())); }},
    {"TotalValorPedido",
     [](const QStringList& a) { return Variant::Double(TotalValorPedido(a[0].toInt(), a[1].toInt())); }},
    {"TotalDescontoPedido",
     [](const QStringList& a) { return Variant::Double(TotalDescontoPedido(a[0].toInt(), a[1].toInt())); }},
    {"QtdePedidosVendedorDia",
     [](const QStringList& a) { return Variant::Long(QtdePedidosVendedorDia(a[0], a.value(1))); }},
    {"PAVendedorDia", [](const QStringList& a) { return Variant(PAVendedorDia(a[0], a.value(1))); }},
};

using Somas = Funcoes;

TEST_P(Somas, DoPedidoOuDoDia)
{
    try {
        EXPECT_EQ(Soma.at(caso()("funcao"))(caso().lista("argumentos")), caso().variant("resultado"));
    } catch (const VbError& erro) {
        EXPECT_EQ(QStringLiteral("erro %1: %2").arg(erro.Number()).arg(erro.Description()), caso()("resultado"));
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, Somas, CasosNosBancos("shared/casos/somas.tsv"), NomeNoBanco);

class Cores : public ::testing::TestWithParam<Caso> {};

TEST_P(Cores, CorVBDoNumeroOuDoSistema)
{
    const Caso& caso = GetParam();
    const int papel = QMetaEnum::fromType<QPalette::ColorRole>().keyToValue(caso.bytes("cor").constData());
    const QColor esperada =
        papel >= 0 ? QGuiApplication::palette().color(QPalette::Active, static_cast<QPalette::ColorRole>(papel))
                   : QColor(caso("cor"));
    EXPECT_EQ(CorVB(caso("numero")), esperada);
}

INSTANTIATE_TEST_SUITE_P(Tabela, Cores, ::testing::ValuesIn(Casos("shared/casos/cores.tsv")), NomeDoCaso);

}  // namespace
