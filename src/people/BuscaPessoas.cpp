#include "BuscaPessoas.h"

#include "platform/Ado.h"
#include "platform/Conversions.h"
#include "platform/FlexGrid.h"
#include "platform/Format.h"
#include "platform/TextoSql.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QStringList>
#include <array>

namespace {

struct ColunaGrid {
    const char16_t* titulo;
    int largura;  // twips
};

const std::array<ColunaGrid, 10> ColunasGrid = {{
    {u"IDPESSOA", 800},
    {u"CGC/CPF", 1700},
    {u"Razão Social", 3200},
    {u"Nome Fantasia", 3200},
    {u"Fone", 1200},
    {u"DT Desativa", 900},
    {u"ID DO PAPEL", 0},
    {u"Cod. Externo", 1500},
    {u"idClie", 1500},
    {u"idForn", 1500},
}};

// Whole-row selection, the display setting every grid of the suite starts with.
constexpr int SelecaoPorLinha = 1;

const QString SelecaoPorAtividade =
    QStringLiteral("SELECT pess.IDPESS, pess.NOME_PESS, pess.NOME_CONH, pess.PSFI_PSJU, pess.CPF0_CNPJ, "
                   "pess.RG00_IE00, pess.ENDE_COML_PESS, pess.BAIR_COML_PESS, pess.CIDA_COML_PESS, "
                   "pess.CEP0_COML_PESS, pess.UF00_COML_PESS, pess.ENDE_ENTG_PESS, pess.BAIR_ENTG_PESS, "
                   "pess.CIDA_ENTG_PESS, pess.CEP0_ENTG_PESS, pess.UF00_ENTG_PESS, pess.TELE_0001_PESS, "
                   "pess.TELE_0002_PESS, pess.EMAI_PESS, pess.HTTP_PESS, pess.ENDE_COBR_PESS, "
                   "pess.BAIR_COBR_PESS, pess.CIDA_COBR_PESS, pess.CEP0_COBR_PESS, pess.UF00_COBR_PESS, "
                   "pess.FAX0_0001_PESS, pess.FAX0_0002_PESS, pess.DATA_ANIV, pess.SEXO, pess.DATA_INCL, "
                   "pess.USER_INCL, pess.DATA_DESA, pess.USER_DESA, ATIV.DESC_ATIV, "
                   // Every grid row reads the external code, so the activity search returns it too.
                   "pess.idCLIE, pess.idTRPT, pess.idVEND, pess.idMOTO, pess.idDECO, pess.idFORN, pess.idARQT, "
                   "pess.PESS_CODI_EXTE "
                   "FROM ATIV, pess, PESS_ATIV "
                   "WHERE PESS_ATIV.IDPESS = pess.IDPESS AND PESS_ATIV.IDATIV = ATIV.IDATIV "
                   "AND (pess.DATA_DESA Is Null) ");

// Names and trade names: the condition on `coluna` for the chosen match mode.
QString CondicaoPorConteudo(const QString& coluna, ConteudoBusca conteudo, const QString& t)
{
    switch (conteudo) {
    case ConteudoBusca::QualquerParte:
        return QStringLiteral("and ") + coluna + QStringLiteral(" like '%") + t + QStringLiteral("%' ");
    case ConteudoBusca::CampoInteiro:
        return QStringLiteral("and ") + coluna + QStringLiteral(" = '") + t + QStringLiteral("' ");
    case ConteudoBusca::InicialCom:
        return QStringLiteral("and ") + coluna + QStringLiteral(" like '") + t + QStringLiteral("%' ");
    case ConteudoBusca::Nenhum:
        break;
    }
    return QString();
}

QString CondicaoTelefone(const QString& t)
{
    return QStringLiteral("and (tele_0001_pess like '%") + t + QStringLiteral("%'") +
           QStringLiteral(" or tele_0002_pess like '%") + t + QStringLiteral("%'") +
           QStringLiteral(" or fax0_0001_pess like '%") + t + QStringLiteral("%'") +
           QStringLiteral(" or fax0_0002_pess like '%") + t + QStringLiteral("%'") + QStringLiteral(")");
}

using LookupPapel = QString (*)(const QString&);

LookupPapel LookupDaCategoria(CategoriaPessoa categoria)
{
    switch (categoria) {
    case CategoriaPessoa::Cliente:
        return IdClientePessoa;
    case CategoriaPessoa::Fornecedor:
        return IdFornecedorPessoa;
    case CategoriaPessoa::Transportadora:
        return IdTransportadoraPessoa;
    case CategoriaPessoa::Vendedor:
        return IdVendedorPessoa;
    case CategoriaPessoa::Motorista:
        return IdMotoristaPessoa;
    case CategoriaPessoa::Decorador:
        return IdDecoradorPessoa;
    case CategoriaPessoa::Arquiteto:
        return IdArquitetoPessoa;
    case CategoriaPessoa::Nenhuma:
    case CategoriaPessoa::Todos:
    case CategoriaPessoa::Prospect:
        break;
    }
    return nullptr;
}

bool MaiorQueZero(const Variant& valor)
{
    return !valor.IsNull() && !valor.IsEmpty() && CDbl(valor) > 0;
}

// A prospect is a person without any role id of its own.
bool EhProspect(const Recordset& rs)
{
    for (const char* coluna : {"idClie", "idForn", "idvend", "idDeco", "idArqt", "idMoto", "idTRPT"})
        if (MaiorQueZero(rs.Fields(QLatin1String(coluna))))
            return false;
    return true;
}

}  // namespace

void MontaGrid(FlexGrid& grid)
{
    grid.Clear();
    grid.SetSelectionMode(SelecaoPorLinha);
    grid.SetRows(1);
    grid.SetCols(int(ColunasGrid.size()));
    grid.SetRow(0);
    for (int c = 0; c < int(ColunasGrid.size()); ++c) {
        grid.SetCol(c);
        grid.SetColWidth(c, ColunasGrid[c].largura);
        grid.SetText(QString::fromUtf16(ColunasGrid[c].titulo));
        if (c == 2 || c == 3)
            grid.SetColAlignment(c, FlexGrid::flexAlignLeftCenter);
    }
    for (int c : {1, 2, 3})
        grid.SetColAlignment(c, FlexGrid::flexAlignLeftCenter);
}

QString ComandoPesquisa(const ParametrosBusca& p)
{
    QString sql = QStringLiteral("SELECT * FROM pess ");
    sql +=
        p.desativados ? QStringLiteral("WHERE (Not DATA_DESA Is Null) ") : QStringLiteral("WHERE data_desa is null ");

    const QString t = DobraAspas(Trim(p.texto));
    const bool temTexto = !t.isEmpty();
    switch (p.forma) {
    case FormaBusca::CPFCNPJ:
        if (temTexto)
            sql += QStringLiteral("and cpf0_cnpj like '") + t + QStringLiteral("%' ");
        sql += QStringLiteral("order by nome_pess");
        break;
    case FormaBusca::Nome:
        if (temTexto)
            sql += CondicaoPorConteudo(QStringLiteral("nome_pess"), p.conteudo, t);
        sql += QStringLiteral("order by nome_pess");
        break;
    case FormaBusca::Fantasia:
        if (temTexto)
            sql += CondicaoPorConteudo(QStringLiteral("nome_conh"), p.conteudo, t);
        sql += QStringLiteral("order by nome_conh");
        break;
    case FormaBusca::Cidade:
        if (temTexto)
            sql += QStringLiteral("and cida_coml_pess like '%") + t + QStringLiteral("%' ");
        sql += QStringLiteral("order by nome_conh");
        break;
    case FormaBusca::UF:
        if (temTexto)
            sql += QStringLiteral("and uf00_coml_pess = '") + t + QStringLiteral("' ");
        sql += QStringLiteral("order by nome_conh");
        break;
    case FormaBusca::RamoAtividade:
        if (temTexto)
            sql = SelecaoPorAtividade + QStringLiteral("AND (ATIV.DESC_ATIV like '%") + t + QStringLiteral("%') ");
        sql += QStringLiteral("order by nome_conh");
        break;
    case FormaBusca::Telefone:
        if (temTexto)
            sql += CondicaoTelefone(t);
        sql += QStringLiteral(" order by nome_pess");
        break;
    case FormaBusca::CodInterno:
        if (temTexto)
            sql += QStringLiteral("and (idpess like '%") + t + QStringLiteral("%'") + QStringLiteral(")");
        sql += QStringLiteral(" order by idpess");
        break;
    case FormaBusca::CodExterno:
        if (temTexto)
            sql += QStringLiteral("and (pess_codi_exte like '%") + t + QStringLiteral("%'") + QStringLiteral(")");
        sql += QStringLiteral(" order by pess_codi_exte");
        break;
    case FormaBusca::Nenhuma:
        break;
    }
    return sql;
}

std::optional<QString> LinhaDaPessoa(const Recordset& rs, CategoriaPessoa categoria)
{
    const QString idPessoa = CStr(rs.Fields(QStringLiteral("IDPESS")));
    QString idPapel;
    std::optional<QString> coluna8;

    switch (categoria) {
    case CategoriaPessoa::Nenhuma:
        return std::nullopt;
    case CategoriaPessoa::Todos:
        break;
    case CategoriaPessoa::Prospect:
        if (!EhProspect(rs))
            return std::nullopt;
        idPapel = QStringLiteral("0");
        coluna8 = IdClientePessoa(idPessoa);
        break;
    default: {
        const LookupPapel lookup = LookupDaCategoria(categoria);
        const int32_t id = CLng(Variant::Double(Val(lookup(idPessoa))));
        if (id <= 0)
            return std::nullopt;
        idPapel = CStr(Variant::Long(id));
        // Customers and suppliers also show their role id under "idClie".
        if (categoria == CategoriaPessoa::Cliente || categoria == CategoriaPessoa::Fornecedor)
            coluna8 = lookup(idPessoa);
        break;
    }
    }

    QStringList celulas = {
        idPessoa,
        ParaTexto(rs.Fields(QStringLiteral("CPF0_CNPJ"))),
        ParaTexto(rs.Fields(QStringLiteral("NOME_PESS"))),
        ParaTexto(rs.Fields(QStringLiteral("NOME_CONH"))),
        ParaTexto(rs.Fields(QStringLiteral("TELE_0001_PESS"))),
        Format(rs.Fields(QStringLiteral("DATA_DESA")), QStringLiteral("dd/mm/yyyy")),
        idPapel,
        ParaTexto(rs.Fields(QStringLiteral("PESS_CODI_EXTE"))),
    };
    QString linha = celulas.join(u'\t');
    if (coluna8)
        linha += u'\t' + *coluna8 + u'\t' + QString() + u'\t';
    return linha;
}

bool PesquisaPessoas(FlexGrid& grid, const ParametrosBusca& parametros)
{
    MontaGrid(grid);
    funcoes().MostraDesativados = parametros.desativados ? QStringLiteral("S") : QStringLiteral("N");
    Recordset rs = AbreConsultaMaiuscula(ComandoPesquisa(parametros));
    if (rs.Eof()) {
        rs.Close();
        return false;
    }
    for (; !rs.Eof(); rs.MoveNext()) {
        if (const auto linha = LinhaDaPessoa(rs, parametros.categoria))
            grid.AddItem(*linha);
    }
    rs.Close();
    if (grid.Rows() > 2)
        grid.SetRow(0);
    return true;
}
