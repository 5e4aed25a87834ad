#include "Preenchimentos.h"

#include "platform/Conversions.h"
#include "platform/FlexGrid.h"
#include "platform/TextoSql.h"
#include "shared/Funcoes.h"
#include "shared/Textos.h"
#include "startup/Ambiente.h"

namespace {

// `coluna` of every row of `sql` (upper-cased), in order.
QStringList Entradas(const QString& sql, const QString& coluna)
{
    QStringList entradas;
    Recordset rs = AbreConsultaMaiuscula(sql);
    for (; !rs.Eof(); rs.MoveNext())
        entradas << ParaTexto(rs.Fields(coluna));
    rs.Close();
    return entradas;
}

// One field of a customer list entry: the text cut or padded to `tamanho`, then "|".
QString CampoDaLista(const Variant& valor, int16_t tamanho)
{
    QString texto = ParaTexto(valor);
    return AjustaTamanho(texto, tamanho, true) + QLatin1Char('|');
}

bool ComecaPorAlgarismo(const QString& texto)
{
    return !texto.isEmpty() && texto.at(0) >= QLatin1Char('0') && texto.at(0) <= QLatin1Char('9');
}

}  // namespace

QStringList CarregaTipoCliente()
{
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("select desc_tipo_clie from tipo_clie where data_desa is null ");
    f.Sql += QStringLiteral("order by desc_tipo_clie");
    return Entradas(f.Sql, QStringLiteral("desc_tipo_clie"));
}

QStringList CarregaVendedores(QString filtro)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("select pess.nome_conh from pess, vend ");
    f.Sql += QStringLiteral("where ");
    f.Sql += QStringLiteral("pess.idpess = vend.idpess ");
    filtro = Trim(filtro);
    if (!filtro.isEmpty())
        f.Sql += QStringLiteral("and pess.nome_conh like '") + DobraAspas(filtro) + QStringLiteral("%' ");
    f.Sql += QStringLiteral("and vend.data_desa is null ");
    f.Sql += QStringLiteral("order by pess.nome_conh");
    return Entradas(f.Sql, QStringLiteral("NOME_CONH"));
}

QStringList CarregaAtividades(const QString& filtro)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("select desc_ativ from ativ where data_desa is null ");
    // The filter goes in untrimmed, and "order by" follows the quote directly.
    if (!Trim(filtro).isEmpty())
        f.Sql += QStringLiteral("and desc_ativ like '") + DobraAspas(filtro) + QStringLiteral("%'");
    f.Sql += QStringLiteral("order by desc_ativ");
    return Entradas(f.Sql, QStringLiteral("desc_ativ"));
}

QStringList CarregaMarcas(const QString& prefixo)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("select desc_marc from marc where data_desa is null ");
    const QString aparado = Trim(prefixo);
    if (!aparado.isEmpty())
        f.Sql += QStringLiteral("and desc_marc like '") + DobraAspas(aparado) + QStringLiteral("%' ");
    f.Sql += QStringLiteral("order by marc.desc_marc");
    return Entradas(f.Sql, QStringLiteral("desc_marc"));
}

QStringList CarregaClientes(QString& texto)
{
    texto = Trim(texto);
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral(
        "SELECT PESS.IDPESS, PESS.NOME_PESS, PESS.NOME_CONH, PESS.PSFI_PSJU, PESS.CPF0_CNPJ, CLIE.IDCLIE ");
    f.Sql += QStringLiteral("FROM CLIE, PESS ");
    f.Sql += QStringLiteral("Where CLIE.IDPESS = PESS.IDPESS ");
    f.Sql += QStringLiteral(" And (CLIE.DATA_DESA Is Null) ");
    if (!texto.isEmpty()) {
        const QString coluna = ComecaPorAlgarismo(texto) ? QStringLiteral("CPF0_CNPJ") : QStringLiteral("NOME_PESS");
        f.Sql += QStringLiteral("AND (PESS.%1 Like '%").arg(coluna) + DobraAspas(texto) + QStringLiteral("%') ");
    }
    f.Sql += QStringLiteral("ORDER BY PESS.NOME_PESS");

    QStringList entradas;
    Recordset rs = AbreConsultaMaiuscula(f.Sql);
    for (; !rs.Eof(); rs.MoveNext())
        entradas << CampoDaLista(rs.Fields(QStringLiteral("NOME_PESS")), 50) +
                        CampoDaLista(rs.Fields(QStringLiteral("cpf0_cnpj")), 20) +
                        CampoDaLista(rs.Fields(QStringLiteral("IDPESS")), 10) +
                        CampoDaLista(rs.Fields(QStringLiteral("idClie")), 10);
    rs.Close();
    return entradas;
}

void CarregaFlexTemp(FlexGrid& grade)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("select idprod, codi_prod, desc_prod from prod where data_desa is null ");
    f.Sql += QStringLiteral("order by idprod");
    const QChar tab(9);
    Recordset rs = AbreConsultaMaiuscula(f.Sql);
    for (; !rs.Eof(); rs.MoveNext())
        grade.AddItem(ParaTexto(rs.Fields(QStringLiteral("idProd"))) + tab +
                      ParaTexto(rs.Fields(QStringLiteral("codi_prod"))) + tab + QLatin1Char('0') + tab +
                      ParaTexto(rs.Fields(QStringLiteral("Desc_PROD"))) + tab);
    rs.Close();
}
