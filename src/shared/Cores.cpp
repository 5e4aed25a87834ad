#include "Cores.h"

#include "platform/Conversions.h"
#include "shared/Funcoes.h"
#include "shared/TextoSql.h"
#include "startup/Ambiente.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QWebEngineView>
#include <QWidget>

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

void Pinta(QWidget* controle, QPalette::ColorRole papel, const QColor& cor)
{
    if (!cor.isValid())
        return;
    QPalette paleta = controle->palette();
    paleta.setColor(QPalette::Active, papel, cor);
    paleta.setColor(QPalette::Inactive, papel, cor);
    // Disabled controls inside a painted frame still read as disabled.
    if (papel != QPalette::WindowText)
        paleta.setColor(QPalette::Disabled, papel, cor);
    controle->setPalette(paleta);
    if (papel == QPalette::Window)
        controle->setAutoFillBackground(true);
}

// Makes every colour of the control its own, so that the colours given to
// the window and frames around it do not reach it.
void FixaCores(QWidget* controle)
{
    const QPalette atual = controle->palette();
    QPalette propria;
    for (int grupo = 0; grupo < QPalette::NColorGroups; ++grupo)
        for (int papel = 0; papel < QPalette::NColorRoles; ++papel) {
            const auto g = static_cast<QPalette::ColorGroup>(grupo);
            const auto r = static_cast<QPalette::ColorRole>(papel);
            propria.setBrush(g, r, atual.brush(g, r));
        }
    controle->setPalette(propria);
}

enum class Tratamento { Intocado, FundoEFrente, Fundo, FundoDoTexto, Botao, Recipiente };

Tratamento TratamentoDe(QWidget* controle)
{
    // The order matters: labels and item views are frames too.
    if (qobject_cast<QComboBox*>(controle) || qobject_cast<QAbstractItemView*>(controle) ||
        qobject_cast<QAbstractSpinBox*>(controle) || qobject_cast<QWebEngineView*>(controle))
        return Tratamento::Intocado;
    if (auto* caixa = qobject_cast<QLineEdit*>(controle))
        return caixa->inputMask().isEmpty() ? Tratamento::FundoDoTexto : Tratamento::Intocado;
    if (qobject_cast<QTextEdit*>(controle) || qobject_cast<QPlainTextEdit*>(controle))
        return Tratamento::FundoDoTexto;
    if (qobject_cast<QRadioButton*>(controle) || qobject_cast<QCheckBox*>(controle))
        return Tratamento::Fundo;
    if (qobject_cast<QAbstractButton*>(controle))
        return Tratamento::Botao;
    if (qobject_cast<QLabel*>(controle) || qobject_cast<QGroupBox*>(controle))
        return Tratamento::FundoEFrente;
    if (qobject_cast<QAbstractScrollArea*>(controle))
        return Tratamento::Intocado;
    if (qobject_cast<QFrame*>(controle))
        return Tratamento::FundoEFrente;
    if (controle->metaObject() == &QWidget::staticMetaObject)
        return Tratamento::Recipiente;
    return Tratamento::Intocado;
}

// Children before their parent: a control left alone keeps its colours only
// when they are fixed before any frame or window around it is painted.
void AplicaAosControles(QWidget* pai, const QColor& fundo, const QColor& frente)
{
    for (QObject* filho : pai->children()) {
        auto* controle = qobject_cast<QWidget*>(filho);
        if (!controle || controle->isWindow())
            continue;
        switch (TratamentoDe(controle)) {
        case Tratamento::Intocado:
            FixaCores(controle);
            break;
        case Tratamento::FundoEFrente:
            AplicaAosControles(controle, fundo, frente);
            Pinta(controle, QPalette::Window, fundo);
            Pinta(controle, QPalette::WindowText, frente);
            break;
        case Tratamento::Fundo:
            Pinta(controle, QPalette::Window, fundo);
            break;
        case Tratamento::FundoDoTexto:
            Pinta(controle, QPalette::Base, fundo);
            break;
        case Tratamento::Botao:
            Pinta(controle, QPalette::Button, fundo);
            break;
        case Tratamento::Recipiente:
            AplicaAosControles(controle, fundo, frente);
            break;
        }
    }
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

void AplicaCores(QWidget* janela)
{
    if (!janela)
        return;
    const QColor fundo = CorVB(funcoes().CorFundo1);
    const QColor frente = CorVB(funcoes().CorFrente1);
    AplicaAosControles(janela, fundo, frente);
    Pinta(janela, QPalette::Window, fundo);
}
