#include "Cores.h"

#include "platform/Conversions.h"
#include "platform/TextoSql.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <optional>

namespace {

constexpr uint32_t BitCorDoSistema = 0x80000000u;

// Windows' system colour indexes (COLOR_SCROLLBAR = 0 ... COLOR_INFOBK = 24)
// as the roles of the application palette that play the same part.
struct CorDoSistema {
    QPalette::ColorGroup grupo;
    QPalette::ColorRole papel;
};
const std::array<CorDoSistema, 25> CoresDoSistema = {{
    {QPalette::Active, QPalette::Button},           // scroll bar
    {QPalette::Active, QPalette::Dark},             // desktop
    {QPalette::Active, QPalette::Highlight},        // active caption
    {QPalette::Inactive, QPalette::Mid},            // inactive caption
    {QPalette::Active, QPalette::Window},           // menu
    {QPalette::Active, QPalette::Base},             // window
    {QPalette::Active, QPalette::Shadow},           // window frame
    {QPalette::Active, QPalette::WindowText},       // menu text
    {QPalette::Active, QPalette::Text},             // window text
    {QPalette::Active, QPalette::HighlightedText},  // caption text
    {QPalette::Active, QPalette::Window},           // active border
    {QPalette::Inactive, QPalette::Window},         // inactive border
    {QPalette::Active, QPalette::Dark},             // application workspace
    {QPalette::Active, QPalette::Highlight},        // highlight
    {QPalette::Active, QPalette::HighlightedText},  // highlighted text
    {QPalette::Active, QPalette::Button},           // button face
    {QPalette::Active, QPalette::Dark},             // button shadow
    {QPalette::Disabled, QPalette::Text},           // grey text
    {QPalette::Active, QPalette::ButtonText},       // button text
    {QPalette::Inactive, QPalette::WindowText},     // inactive caption text
    {QPalette::Active, QPalette::Light},            // button highlight
    {QPalette::Active, QPalette::Shadow},           // 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 3-D light
    {QPalette::Active, QPalette::ToolTipText},      // tooltip text
    {QPalette::Active, QPalette::ToolTipBase},      // tooltip background
}};

// A colour number as decimal text, signed or not, within 32 bits.
std::optional<uint32_t> NumeroDeCor(const QString& numero)
{
    bool ok = false;
    const qlonglong valor = Trim(numero).toLongLong(&ok);
    if (!ok || valor < -0x80000000LL || valor > 0xFFFFFFFFLL)
        return std::nullopt;
    return static_cast<uint32_t>(valor);
}

}  // namespace

QColor CorVB(const QString& numero)
{
    const std::optional<uint32_t> valor = NumeroDeCor(numero);
    if (!valor)
        return {};
    if (*valor & BitCorDoSistema) {
        const uint32_t indice = *valor & ~BitCorDoSistema;
        if (indice >= CoresDoSistema.size())
            return {};
        const CorDoSistema& cor = CoresDoSistema[indice];
        return QGuiApplication::palette().color(cor.grupo, cor.papel);
    }
    // Red in the low byte, blue in the third.
    return QColor(*valor & 0xFF, (*valor >> 8) & 0xFF, (*valor >> 16) & 0xFF);
}

void CarregaCores(const QString& esquema)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("select * from cor_sist ");
    f.Sql += QStringLiteral("where ");
    f.Sql += QStringLiteral("DESC_COR_SIST = '") + DobraAspas(Trim(esquema)) + QStringLiteral("'");
    Recordset rs = AbreConsultaMaiuscula(f.Sql);
    if (rs.Eof()) {
        const VariaveisFuncoes padrao;
        f.CorFundo1 = padrao.CorFundo1;
        f.CorFrente1 = padrao.CorFrente1;
        f.CorFundo2 = padrao.CorFundo2;
        f.CorFrente2 = padrao.CorFrente2;
    } else {
        f.CorFundo1 = ParaTexto(rs.Fields(QStringLiteral("CODI_BACK_0001")));
        f.CorFrente1 = ParaTexto(rs.Fields(QStringLiteral("CODI_FORE_0001")));
        f.CorFundo2 = ParaTexto(rs.Fields(QStringLiteral("CODI_BACK_0002")));
        f.CorFrente2 = ParaTexto(rs.Fields(QStringLiteral("CODI_FORE_0002")));
    }
    rs.Close();
}
