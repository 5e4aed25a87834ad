#include "BaseFuncoes.h"

#include "platform/FlexGrid.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QComboBox>
#include <QWidget>

namespace {

enum class Estilo { Maiuscula, Simples };
enum class Variavel { Nenhuma, Sql, Sql2 };

struct CasoTexto {
    const char* nome;
    std::function<void()> chamada;
    // The program's text of each statement, in the order sent; the last one is
    // left in `variavel` when the routine builds it there.
    QStringList textos;
    Estilo estilo;
    Variavel variavel;
};

QString Enviado(const QString& texto, Estilo estilo)
{
    return estilo == Estilo::Maiuscula ? texto.toUpper() : texto;
}

// Every routine that queries, with a normal argument, on an empty database:
// the text must be the program's to the letter.
TEST(TextoDasConsultas, CadaRotinaEnviaOTextoExato)
{
    BancoDeTeste banco;
    QWidget janela;
    for (const char* nome : {"cboTipoCli", "cboVendedor", "cboCod"})
        (new QComboBox(&janela))->setObjectName(QLatin1String(nome));
    auto* grade = new FlexGrid(&janela);
    grade->setObjectName(QStringLiteral("FlexTemp"));
    QComboBox clientes;

    auto porTexto = [](Variant (*consulta)(QString&), const char* argumento) {
        return [consulta, argumento] {
            QString texto = QString::fromUtf8(argumento);
            consulta(texto);
        };
    };
    const QString idProdutoTom = QStringLiteral("select idprod from prod where codi_prod='TOM01'");

    const CasoTexto casos[] = {
        {"NomeCliente", porTexto(NomeCliente, "10"),
         {"select pess.nome_pess from clie, pess where pess.idpess = clie.idpess and clie.idclie = '10'"},
         Estilo::Maiuscula, Variavel::Nenhuma},
        {"IdMarca", porTexto(IdMarca, "Hortifruti"), {"select idmarc from marc where desc_marc='Hortifruti'"},
         Estilo::Maiuscula, Variavel::Nenhuma},
        {"IdMarcaProduto", porTexto(IdMarcaProduto, " 100 "), {"select idmarc from prod where idprod='100'"},
         Estilo::Maiuscula, Variavel::Nenhuma},
        {"IdProduto", porTexto(IdProduto, "TOM01"), {idProdutoTom}, Estilo::Maiuscula, Variavel::Nenhuma},
        {"DescontoPedido", porTexto(DescontoPedido, " 1001 "),
         {"SELECT VALO_DECT From pedi_veds Where nume_pedi = '1001'"}, Estilo::Simples, Variavel::Sql2},
        {"IdTipoCliente", porTexto(IdTipoCliente, "Varejo"),
         {"select idtipo_clie from tipo_clie where desc_tipo_clie='Varejo'"}, Estilo::Maiuscula, Variavel::Nenhuma},
        {"IdVendedor", porTexto(IdVendedor, "Beto"),
         {"select vend.idvend from vend, pess where pess.idpess = vend.idpess and pess.nome_conh='Beto'"},
         Estilo::Maiuscula, Variavel::Nenhuma},
        {"IdCliente", porTexto(IdCliente, "Ana Paula"),
         {"select clie.idclie from clie, pess where pess.idpess = clie.idpess and pess.nome_pess='Ana Paula'"},
         Estilo::Maiuscula, Variavel::Nenhuma},
        {"IdClienteComApostrofo", porTexto(IdCliente, "D'ÁVILA"),
         {"select clie.idclie from clie, pess where pess.idpess = clie.idpess and pess.nome_pess='D''ÁVILA'"},
         Estilo::Maiuscula, Variavel::Nenhuma},
        {"DescProduto", porTexto(DescProduto, " TOM01 "), {"select desc_prod from prod where codi_prod='TOM01'"},
         Estilo::Maiuscula, Variavel::Nenhuma},
        {"NomeVendedor", porTexto(NomeVendedor, "20"),
         {"select pess.nome_conh from pess, vend where pess.idpess = vend.idpess and vend.idvend = 20"},
         Estilo::Maiuscula, Variavel::Sql},
        {"ParametroEmpresa", porTexto(ParametroEmpresa, "MODELO_PEDI_VEDS "),
         {"select * from empr_cnfg where nome_para='MODELO_PEDI_VEDS'"}, Estilo::Maiuscula, Variavel::Nenhuma},
        {"IdClientePessoa", [] { IdClientePessoa(QStringLiteral("3")); },
         {"select idclie from clie where idpess = 3 and data_desa is null"}, Estilo::Maiuscula, Variavel::Sql},
        {"IdMotoristaPessoa", [] { IdMotoristaPessoa(QStringLiteral("3")); },
         {"select idmoto from moto where idpess = 3 and data_desa is null"}, Estilo::Maiuscula, Variavel::Sql},
        {"IdTransportadoraPessoa", [] { IdTransportadoraPessoa(QStringLiteral("3")); },
         {"select idtrpt from trpt where idpess = 3 and data_desa is null"}, Estilo::Maiuscula, Variavel::Sql},
        {"IdVendedorPessoa", [] { IdVendedorPessoa(QStringLiteral("3")); },
         {"select idvend from vend where idpess = 3 and data_desa is null"}, Estilo::Maiuscula, Variavel::Sql},
        {"IdFornecedorPessoa", [] { IdFornecedorPessoa(QStringLiteral("3")); },
         {"select idforn from forn where idpess = 3 and data_desa is null"}, Estilo::Maiuscula, Variavel::Sql},
        {"IdDecoradorPessoa", [] { IdDecoradorPessoa(QStringLiteral("3")); },
         {"select iddeco from deco where idpess = 3 and data_desa is null"}, Estilo::Maiuscula, Variavel::Sql},
        {"IdArquitetoPessoa", [] { IdArquitetoPessoa(QStringLiteral("3")); },
         {"select idarqt from arqt where idpess = 3 and data_desa is null"}, Estilo::Maiuscula, Variavel::Sql},
        {"IdClientePessoaMostrandoDesativados",
         [] {
             funcoes().MostraDesativados = QStringLiteral("S");
             IdClientePessoa(QStringLiteral("3"));
             funcoes().MostraDesativados.clear();
         },
         {"select idclie from clie where idpess = 3"}, Estilo::Maiuscula, Variavel::Sql},
        {"CarregaTipoCliente", [&] { CarregaTipoCliente(&janela); },
         {"select desc_tipo_clie from tipo_clie where data_desa is null order by desc_tipo_clie"}, Estilo::Maiuscula,
         Variavel::Sql},
        {"CarregaVendedores", [&] { CarregaVendedores(&janela, QStringLiteral(" Be ")); },
         {"select pess.nome_conh from pess, vend where pess.idpess = vend.idpess and pess.nome_conh like 'Be%' "
          "and vend.data_desa is null order by pess.nome_conh"},
         Estilo::Maiuscula, Variavel::Sql},
        {"CarregaVendedoresSemFiltro", [&] { CarregaVendedores(&janela, QStringLiteral("  ")); },
         {"select pess.nome_conh from pess, vend where pess.idpess = vend.idpess and vend.data_desa is null "
          "order by pess.nome_conh"},
         Estilo::Maiuscula, Variavel::Sql},
        {"CarregaAtividades", [&] { CarregaAtividades(&janela, QStringLiteral(" Co")); },
         {"select desc_ativ from ativ where data_desa is null and desc_ativ like ' Co%'order by desc_ativ"},
         Estilo::Maiuscula, Variavel::Sql},
        {"CarregaClientesPorNome",
         [&] {
             QString texto = QStringLiteral(" ana ");
             CarregaClientes(texto, &clientes);
         },
         {"SELECT PESS.IDPESS, PESS.NOME_PESS, PESS.NOME_CONH, PESS.PSFI_PSJU, PESS.CPF0_CNPJ, CLIE.IDCLIE "
          "FROM CLIE, PESS Where CLIE.IDPESS = PESS.IDPESS  And (CLIE.DATA_DESA Is Null) "
          "AND (PESS.NOME_PESS Like '%ana%') ORDER BY PESS.NOME_PESS"},
         Estilo::Maiuscula, Variavel::Sql},
        {"CarregaClientesPorDocumento",
         [&] {
             QString texto = QStringLiteral("123");
             CarregaClientes(texto, &clientes);
         },
         {"SELECT PESS.IDPESS, PESS.NOME_PESS, PESS.NOME_CONH, PESS.PSFI_PSJU, PESS.CPF0_CNPJ, CLIE.IDCLIE "
          "FROM CLIE, PESS Where CLIE.IDPESS = PESS.IDPESS  And (CLIE.DATA_DESA Is Null) "
          "AND (PESS.CPF0_CNPJ Like '%123%') ORDER BY PESS.NOME_PESS"},
         Estilo::Maiuscula, Variavel::Sql},
        {"CarregaFlexTemp", [&] { CarregaFlexTemp(&janela); },
         {"select idprod, codi_prod, desc_prod from prod where data_desa is null order by idprod"},
         Estilo::Maiuscula, Variavel::Sql},
        {"CarregaCores", [] { CarregaCores(QStringLiteral(" Azul ")); },
         {"select * from cor_sist where DESC_COR_SIST = 'Azul'"}, Estilo::Maiuscula, Variavel::Sql},
        {"QtdeItensSubGrupo", [] { QtdeItensSubGrupo(12, 7, QStringLiteral(" Verde ")); },
         {"SELECT pedi_veds_deta.status_prod, pedi_veds_deta.QTDE, prod.idprod, prod.IDSUB0_GRUP "
          "From pedi_veds_deta, prod Where pedi_veds_deta.idprod = prod.idprod and pedi_veds_deta.idPedi_Veds = 12 "
          "and prod.IDSUB0_GRUP = 7 and pedi_veds_deta.status_prod = 'Verde' and pedi_veds_deta.data_desa is null  "},
         Estilo::Maiuscula, Variavel::Sql},
        {"QtdeItensSubGrupoSemStatus", [] { QtdeItensSubGrupo(12, 7, QStringLiteral("  ")); },
         {"SELECT pedi_veds_deta.status_prod, pedi_veds_deta.QTDE, prod.idprod, prod.IDSUB0_GRUP "
          "From pedi_veds_deta, prod Where pedi_veds_deta.idprod = prod.idprod and pedi_veds_deta.idPedi_Veds = 12 "
          "and prod.IDSUB0_GRUP = 7 and pedi_veds_deta.data_desa is null  "},
         Estilo::Maiuscula, Variavel::Sql},
        {"QtdeProdutoPedido", [] { QtdeProdutoPedido(12, QStringLiteral("TOM01")); },
         {idProdutoTom,
          "SELECT pedi_veds_deta.QTDE From pedi_veds_deta, prod Where pedi_veds_deta.idprod = prod.idprod and "
          "pedi_veds_deta.idPedi_Veds = 12 and prod.idprod = 0 "},
         Estilo::Maiuscula, Variavel::Sql},
        {"TotalDescontoPedido", [] { TotalDescontoPedido(12, 0); },
         {"SELECT IDPROD, qtde, VALO_DECT From PEDI_VEDS_DETA Where idPEDI_VEDS = 12"}, Estilo::Simples,
         Variavel::Sql2},
        {"TotalValorPedido", [] { TotalValorPedido(12, 0); },
         {"SELECT IDPROD, VALO_TOTA From PEDI_VEDS_DETA Where idPEDI_VEDS = 12"}, Estilo::Simples, Variavel::Sql2},
        {"TotalQtdePedido", [] { TotalQtdePedido(12, 0); },
         {"SELECT IDPROD, QTDE From PEDI_VEDS_DETA Where idPEDI_VEDS = 12"}, Estilo::Simples, Variavel::Sql2},
        {"QtdePedidosVendedorDia", [] { QtdePedidosVendedorDia(QStringLiteral("05/03/2024"), QStringLiteral(" 20 ")); },
         {"select pedi_veds.nume_pedi, pedi_veds.data_pedi from pedi_veds where pedi_veds.data_pedi='20240305 00:00' "
          "and pedi_veds.idvend = '20' AND (pedi_veds.data_desa is null) ORDER BY pedi_veds.data_pedi, "
          "pedi_veds.idvend"},
         Estilo::Simples, Variavel::Sql2},
        {"PAVendedorDia", [] { PAVendedorDia(QStringLiteral("05/03/2024"), QString()); },
         {"select pedi_veds.nume_pedi, pedi_veds.data_pedi, pedi_veds_deta.QTDE from pedi_veds, pedi_veds_deta "
          "where pedi_veds.idpedi_veds = pedi_veds_deta.idpedi_veds and pedi_veds.data_pedi='20240305 00:00' "
          "AND (pedi_veds.data_desa is null) ORDER BY pedi_veds.data_pedi, pedi_veds.idvend"},
         Estilo::Simples, Variavel::Sql2},
    };

    QStringList enviadas;
    Conexao().contador.antesDeConsultar = [&](long, const QString& sql) { enviadas << sql; };
    for (const CasoTexto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        enviadas.clear();
        funcoes().Sql = QStringLiteral("antes");
        funcoes().Sql2 = QStringLiteral("antes");
        caso.chamada();
        QStringList esperadas;
        for (int i = 0; i < caso.textos.size(); ++i)
            // A lookup called from inside another routine is upper-cased on its own.
            esperadas << Enviado(caso.textos[i], i + 1 < caso.textos.size() ? Estilo::Maiuscula : caso.estilo);
        EXPECT_EQ(enviadas, esperadas);
        EXPECT_EQ(funcoes().Sql, caso.variavel == Variavel::Sql ? caso.textos.last() : QStringLiteral("antes"));
        EXPECT_EQ(funcoes().Sql2, caso.variavel == Variavel::Sql2 ? caso.textos.last() : QStringLiteral("antes"));
    }
}

}  // namespace
