#include "Preenchimentos.h"

#include "platform/Conversions.h"
#include "platform/FlexGrid.h"
#include "platform/VbError.h"
#include "shared/Formularios.h"
#include "shared/Funcoes.h"
#include "shared/TextoSql.h"
#include "startup/Ambiente.h"

#include <QComboBox>
#include <QWidget>

namespace {

template <typename Controle> Controle* ControleDaJanela(QObject* janela, const QString& nome)
{
    Controle* controle = janela ? janela->findChild<Controle*>(nome) : nullptr;
    if (!controle)
        throw VbError(vb_error::ControlNotFound, QStringLiteral("A janela \"%1\" não tem o controle %2.")
                                                     .arg(janela ? janela->objectName() : QString(), nome));
    return controle;
}

// Clears the list and adds `coluna` of every row of `sql` (upper-cased), in order.
void PreencheCombo(QComboBox* combo, const QString& sql, const QString& coluna)
{
    combo->clear();
    Recordset rs = AbreConsultaMaiuscula(sql);
    for (; !rs.Eof(); rs.MoveNext())
        combo->addItem(ParaTexto(rs.Fields(coluna)));
    rs.Close();
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

void CarregaTipoCliente(QWidget* janela)
{
    auto* combo = ControleDaJanela<QComboBox>(janela, QStringLiteral("cboTipoCli"));
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("select desc_tipo_clie from tipo_clie where data_desa is null ");
    f.Sql += QStringLiteral("order by desc_tipo_clie");
    PreencheCombo(combo, f.Sql, QStringLiteral("desc_tipo_clie"));
}

void CarregaVendedores(QWidget* janela, QString filtro)
{
    auto* combo = ControleDaJanela<QComboBox>(janela, QStringLiteral("cboVendedor"));
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("select pess.nome_conh from pess, vend ");
    f.Sql += QStringLiteral("where ");
    f.Sql += QStringLiteral("pess.idpess = vend.idpess ");
    filtro = Trim(filtro);
    if (!filtro.isEmpty())
        f.Sql += QStringLiteral("and pess.nome_conh like '") + DobraAspas(filtro) + QStringLiteral("%' ");
    f.Sql += QStringLiteral("and vend.data_desa is null ");
    f.Sql += QStringLiteral("order by pess.nome_conh");
    PreencheCombo(combo, f.Sql, QStringLiteral("NOME_CONH"));
}

void CarregaAtividades(QWidget* janela, const QString& filtro)
{
    auto* combo = ControleDaJanela<QComboBox>(janela, QStringLiteral("cboCod"));
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("select desc_ativ from ativ where data_desa is null ");
    // The filter goes in untrimmed, and "order by" follows the quote directly.
    if (!Trim(filtro).isEmpty())
        f.Sql += QStringLiteral("and desc_ativ like '") + DobraAspas(filtro) + QStringLiteral("%'");
    f.Sql += QStringLiteral("order by desc_ativ");
    PreencheCombo(combo, f.Sql, QStringLiteral("desc_ativ"));
}

void CarregaClientes(QString& texto, QComboBox* combo)
{
    if (!combo)
        throw VbError(vb_error::ControlNotFound, QStringLiteral("CarregaClientes: nenhuma caixa de combinação."));
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

    combo->clear();
    Recordset rs = AbreConsultaMaiuscula(f.Sql);
    for (; !rs.Eof(); rs.MoveNext())
        combo->addItem(CampoDaLista(rs.Fields(QStringLiteral("NOME_PESS")), 50) +
                       CampoDaLista(rs.Fields(QStringLiteral("cpf0_cnpj")), 20) +
                       CampoDaLista(rs.Fields(QStringLiteral("IDPESS")), 10) +
                       CampoDaLista(rs.Fields(QStringLiteral("idClie")), 10));
    rs.Close();
}

void CarregaFlexTemp(QObject* janela)
{
    auto* grade = ControleDaJanela<FlexGrid>(janela, QStringLiteral("FlexTemp"));
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("select idprod, codi_prod, desc_prod from prod where data_desa is null ");
    f.Sql += QStringLiteral("order by idprod");
    const QChar tab(9);
    Recordset rs = AbreConsultaMaiuscula(f.Sql);
    for (; !rs.Eof(); rs.MoveNext())
        grade->AddItem(ParaTexto(rs.Fields(QStringLiteral("idProd"))) + tab +
                       ParaTexto(rs.Fields(QStringLiteral("codi_prod"))) + tab + QLatin1Char('0') + tab +
                       ParaTexto(rs.Fields(QStringLiteral("Desc_PROD"))) + tab);
    rs.Close();
}
