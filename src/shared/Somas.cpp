#include "Somas.h"

#include "platform/Conversions.h"
#include "platform/Format.h"
#include "platform/TextoSql.h"
#include "platform/VbError.h"
#include "shared/Consultas.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <functional>
#include <optional>

namespace {

constexpr long DivisaoPorZero = 11;

// Sums the quantity column of `sql` (upper-cased) into a 16-bit total,
// rounding half to even at every step. A null quantity adds nothing.
int16_t SomaQuantidade16(const QString& sql, const char* funcao, int32_t idPedido)
{
    Recordset rs = AbreConsultaMaiuscula(sql);
    int16_t total = 0;
    for (; !rs.Eof(); rs.MoveNext()) {
        const Variant qtde = rs.Fields(QStringLiteral("Qtde"));
        if (qtde.IsNull())
            continue;
        const double soma = total + CDbl(qtde);
        try {
            total = ArredondaInteiro16(soma);
        } catch (const VbError& erro) {
            if (erro.Number() != vb_error::Overflow)
                throw;
            throw VbError(vb_error::Overflow,
                          QStringLiteral("Overflow: %1 do pedido %2 soma %3, fora de -32768 a 32767.")
                              .arg(QLatin1String(funcao))
                              .arg(idPedido)
                              .arg(NumeroGeral(soma)));
        }
    }
    rs.Close();
    return total;
}

// The order totals: every item line of the order (deactivated ones too),
// lines whose tested column is null skipped, only the brand's products when
// `idMarca` is 1 or more. `valor` gives a line's amount, or nothing when a
// column it needs is null.
double SomaPedido(int32_t idPedido, int32_t idMarca, const QString& colunas, const QString& colunaTestada,
                  const std::function<std::optional<double>(const Recordset&)>& valor)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql2 = colunas;
    f.Sql2 += QStringLiteral("From PEDI_VEDS_DETA ");
    f.Sql2 += QStringLiteral("Where idPEDI_VEDS = ") + QString::number(idPedido);
    Recordset rs = AbreConsulta(f.Sql2);
    double total = 0;
    for (; !rs.Eof(); rs.MoveNext()) {
        if (rs.Fields(colunaTestada).IsNull())
            continue;
        if (idMarca >= 1) {
            QString idProduto = ParaTexto(rs.Fields(QStringLiteral("IDPROD")));
            if (CDbl(IdMarcaProduto(idProduto)) != idMarca)
                continue;
        }
        if (const std::optional<double> quantia = valor(rs))
            total += *quantia;
    }
    rs.Close();
    return total;
}

std::optional<double> Numero(const Variant& valor)
{
    if (valor.IsNull())
        return std::nullopt;
    return CDbl(valor);
}

// "yyyymmdd 00:00" of a day text; a text that is no date is VB's type mismatch.
QString DiaSql(const QString& dia)
{
    if (!LerData(dia))
        throw VbError(vb_error::TypeMismatch, QStringLiteral("Type mismatch: \"%1\" não é uma data.").arg(dia));
    return Format(Variant(dia), QStringLiteral("yyyymmdd 00:00"));
}

// The salesperson condition and the closing piece shared by the day counts.
QString FimDaConsultaDoDia(const QString& idVendedor)
{
    QString fim;
    const QString id = Trim(idVendedor);
    if (!id.isEmpty())
        fim += QStringLiteral("and pedi_veds.idvend = '") + DobraAspas(id) + QStringLiteral("' ");
    fim += QStringLiteral("AND (pedi_veds.data_desa is null) ORDER BY pedi_veds.data_pedi, pedi_veds.idvend");
    return fim;
}

}  // namespace

int16_t QtdeItensSubGrupo(int32_t idPedido, int32_t idSubGrupo, const QString& status)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("SELECT pedi_veds_deta.status_prod, pedi_veds_deta.QTDE, ");
    f.Sql += QStringLiteral("prod.idprod, prod.IDSUB0_GRUP ");
    f.Sql += QStringLiteral("From pedi_veds_deta, prod ");
    f.Sql += QStringLiteral("Where pedi_veds_deta.idprod = prod.idprod and ");
    f.Sql += QStringLiteral("pedi_veds_deta.idPedi_Veds = ") + QString::number(idPedido) + QStringLiteral(" and ");
    f.Sql += QStringLiteral("prod.IDSUB0_GRUP = ") + QString::number(idSubGrupo) + QStringLiteral(" ");
    const QString statusAparado = Trim(status);
    if (!statusAparado.isEmpty())
        f.Sql +=
            QStringLiteral("and pedi_veds_deta.status_prod = '") + DobraAspas(statusAparado) + QStringLiteral("' ");
    f.Sql += QStringLiteral("and pedi_veds_deta.data_desa is null  ");
    return SomaQuantidade16(f.Sql, "QtdeItensSubGrupo", idPedido);
}

int16_t QtdeProdutoPedido(int32_t idPedido, QString codigoProduto)
{
    const QString idProduto = CStr(IdProduto(codigoProduto));
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("SELECT pedi_veds_deta.QTDE ");
    f.Sql += QStringLiteral("From pedi_veds_deta, prod ");
    f.Sql += QStringLiteral("Where pedi_veds_deta.idprod = prod.idprod and ");
    f.Sql += QStringLiteral("pedi_veds_deta.idPedi_Veds = ") + QString::number(idPedido) + QStringLiteral(" and ");
    f.Sql += QStringLiteral("prod.idprod = ") + idProduto + QStringLiteral(" ");
    return SomaQuantidade16(f.Sql, "QtdeProdutoPedido", idPedido);
}

double TotalDescontoPedido(int32_t idPedido, int32_t idMarca)
{
    return SomaPedido(idPedido, idMarca, QStringLiteral("SELECT IDPROD, qtde, VALO_DECT "), QStringLiteral("VALO_DECT"),
                      [](const Recordset& rs) -> std::optional<double> {
                          const std::optional<double> qtde = Numero(rs.Fields(QStringLiteral("Qtde")));
                          if (!qtde)
                              return std::nullopt;
                          return *qtde * CDbl(rs.Fields(QStringLiteral("VALO_DECT")));
                      });
}

double TotalValorPedido(int32_t idPedido, int32_t idMarca)
{
    return SomaPedido(idPedido, idMarca, QStringLiteral("SELECT IDPROD, VALO_TOTA "), QStringLiteral("VALO_TOTA"),
                      [](const Recordset& rs) { return Numero(rs.Fields(QStringLiteral("VALO_TOTA"))); });
}

double TotalQtdePedido(int32_t idPedido, int32_t idMarca)
{
    return SomaPedido(idPedido, idMarca, QStringLiteral("SELECT IDPROD, QTDE "), QStringLiteral("Qtde"),
                      [](const Recordset& rs) { return Numero(rs.Fields(QStringLiteral("Qtde"))); });
}

int32_t QtdePedidosVendedorDia(const QString& dia, const QString& idVendedor)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql2 = QStringLiteral("select pedi_veds.nume_pedi, pedi_veds.data_pedi ");
    f.Sql2 += QStringLiteral("from pedi_veds ");
    f.Sql2 += QStringLiteral("where pedi_veds.data_pedi='") + DiaSql(dia) + QStringLiteral("' ");
    f.Sql2 += FimDaConsultaDoDia(idVendedor);
    Recordset rs = AbreConsulta(f.Sql2);
    int32_t pedidos = 0;
    for (; !rs.Eof(); rs.MoveNext())
        ++pedidos;
    rs.Close();
    return pedidos;
}

QString PAVendedorDia(const QString& dia, const QString& idVendedor)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql2 = QStringLiteral("select pedi_veds.nume_pedi, pedi_veds.data_pedi, pedi_veds_deta.QTDE ");
    f.Sql2 += QStringLiteral("from pedi_veds, pedi_veds_deta ");
    f.Sql2 += QStringLiteral("where pedi_veds.idpedi_veds = pedi_veds_deta.idpedi_veds and pedi_veds.data_pedi='") +
              DiaSql(dia) + QStringLiteral("' ");
    f.Sql2 += FimDaConsultaDoDia(idVendedor);
    Recordset rs = AbreConsulta(f.Sql2);
    if (rs.Eof()) {
        rs.Close();
        return QStringLiteral("0^0^0^");
    }
    double itens = 0;
    for (; !rs.Eof(); rs.MoveNext())
        if (const std::optional<double> qtde = Numero(rs.Fields(QStringLiteral("QTDE"))))
            itens += *qtde;
    rs.Close();
    const int32_t pedidos = QtdePedidosVendedorDia(dia, idVendedor);
    if (pedidos == 0)
        throw VbError(
            DivisaoPorZero,
            QStringLiteral("Division by zero: nenhum pedido ativo de %1 para o vendedor \"%2\".").arg(dia, idVendedor));
    const QString circ = QStringLiteral("^");
    return NumeroGeral(pedidos) + circ + NumeroGeral(itens) + circ + NumeroGeral(itens / pedidos) + circ;
}
