#include "frmPantoro.h"
#include "ui_frmPantoro.h"

#include "agenda/FiltrosSalvos.h"
#include "agenda/LinhaDoPeriodo.h"
#include "agenda/PeriodoRelativo.h"
#include "janelas/Formularios.h"
#include "janelas/Posicionamento.h"
#include "janelas/frmBROWSE_PESSOAS.h"
#include "janelas/frmHTML_Generico.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"
#include "platform/VbError.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <array>
#include <initializer_list>

namespace {

// The hourglass of one run: however the run ends, every pointer it set is put back.
class Ampulheta {
public:
    Ampulheta() = default;
    Ampulheta(const Ampulheta&) = delete;
    Ampulheta& operator=(const Ampulheta&) = delete;
    ~Ampulheta()
    {
        for (; ligadas_ > 0; --ligadas_)
            QApplication::restoreOverrideCursor();
    }

    void muda(bool ligada)
    {
        if (ligada) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            ++ligadas_;
        } else if (ligadas_ > 0) {
            QApplication::restoreOverrideCursor();
            --ligadas_;
        }
    }

private:
    int ligadas_ = 0;
};

// Focus moves that do not count as leaving a box: its own list dropping
// down, or the user switching to another window.
bool SaidaDoControle(const QEvent* evento)
{
    if (evento->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason motivo = static_cast<const QFocusEvent*>(evento)->reason();
    return motivo != Qt::PopupFocusReason && motivo != Qt::ActiveWindowFocusReason;
}

constexpr int LarguraEntradaCliente = 94;  // the four fields of a customer entry and their separators

// One option of a group of option buttons and the value it stands for.
template <typename Valor> struct Opcao {
    Valor valor;
    QRadioButton* botao;
};

// The value of the first selected option, in the order the run tests them.
template <typename Valor, size_t N> Valor selecionada(const std::array<Opcao<Valor>, N>& opcoes, Valor nenhuma)
{
    for (const Opcao<Valor>& opcao : opcoes)
        if (opcao.botao->isChecked())
            return opcao.valor;
    return nenhuma;
}

template <typename Valor, size_t N> void seleciona(const std::array<Opcao<Valor>, N>& opcoes, Valor valor)
{
    for (const Opcao<Valor>& opcao : opcoes)
        if (opcao.valor == valor)
            opcao.botao->setChecked(true);
}

std::array<Opcao<LayoutRelatorio>, 6> opcoesDeLayout(const Ui::frmPantoro& ui)
{
    return {{{LayoutRelatorio::Standard, ui.opRelStandard},
             {LayoutRelatorio::PA, ui.opRelPA},
             {LayoutRelatorio::Detalhado, ui.opRelDeta},
             {LayoutRelatorio::Entrega, ui.opRelDetaSemVal},
             {LayoutRelatorio::EntregaVertical, ui.opRelDetaSemValVertical},
             {LayoutRelatorio::AgrupaProd, ui.opRelAgrupaProd}}};
}

std::array<Opcao<DataRelatorio>, 3> opcoesDeData(const Ui::frmPantoro& ui)
{
    return {{{DataRelatorio::Emissao, ui.opDtEmissaoPedido},
             {DataRelatorio::Entrega, ui.opDtEntregaPedido},
             {DataRelatorio::Fechamento, ui.opDtFechamentoPedido}}};
}

std::array<Opcao<int>, 5> opcoesDeFonte(const Ui::frmPantoro& ui)
{
    return {{{10, ui.opTF10}, {11, ui.opTF11}, {12, ui.opTF12}, {14, ui.opTF14}, {8, ui.opTF8}}};
}

// The first entry of the period list: the window's own dates.
const QString DatasFixas = QStringLiteral("datas fixas (De e Até)");

bool TeclaEnter(const QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress)
        return false;
    const int tecla = static_cast<const QKeyEvent*>(evento)->key();
    return tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
}

}  // namespace

frmPantoro::frmPantoro(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::frmPantoro>())
{
    ui->setupUi(this);
    ui->cmdPesquisar_Cliente->setIcon(
        QIcon::fromTheme(QStringLiteral("edit-find"), style()->standardIcon(QStyle::SP_FileDialogContentsView)));
    // The customer entries are fixed-width fields: a fixed-pitch font keeps
    // them in columns, and the list is as wide as a whole entry.
    QAbstractItemView* clientes = ui->cboCliente->view();
    clientes->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    clientes->setTextElideMode(Qt::ElideNone);
    clientes->setMinimumWidth(clientes->fontMetrics().horizontalAdvance(QString(LarguraEntradaCliente, u'0')) +
                              clientes->verticalScrollBar()->sizeHint().width() + 4 * clientes->frameWidth());

    // Enter as Tab, the lost-focus checks and the date boxes' selection.
    for (QWidget* controle : std::initializer_list<QWidget*>{ui->cboCliente, ui->cboMarca, ui->cboTipoCli,
                                                             ui->cboVendedor, ui->mskDtDe, ui->mskDtAte})
        controle->installEventFilter(this);

    connect(ui->cboMarca, &ComboLista::listaAbrindo, this, &frmPantoro::cboMarca_DropDown);
    connect(ui->cboCliente, &ComboLista::listaAbrindo, this, &frmPantoro::cboCliente_DropDown);
    connect(ui->cmdPesquisar_Cliente, &QToolButton::clicked, this, &frmPantoro::cmdPesquisar_Cliente_Click);
    connect(ui->cmdImprimir, &QPushButton::clicked, this, &frmPantoro::cmdImprimir_Click);
    connect(ui->cboFiltrosSalvos, &ComboLista::listaAbrindo, this, &frmPantoro::cboFiltrosSalvos_DropDown);
    connect(ui->cboFiltrosSalvos, &QComboBox::textActivated, this, &frmPantoro::cboFiltrosSalvos_Escolhido);
    connect(ui->cmdSalvarFiltros, &QPushButton::clicked, this, &frmPantoro::cmdSalvarFiltros_Click);
    connect(ui->cmdExcluirFiltro, &QPushButton::clicked, this, &frmPantoro::cmdExcluirFiltro_Click);
    ui->cboPeriodoAoSalvar->addItem(DatasFixas);
    ui->cboPeriodoAoSalvar->addItems(NomesDosPeriodos());
    // The vertical delivery and grouping layouts leave the font group as it was.
    for (QRadioButton* layout : {ui->opRelStandard, ui->opRelPA, ui->opRelDeta, ui->opRelDetaSemVal})
        connect(layout, &QRadioButton::toggled, this, [this](bool selecionado) {
            if (selecionado)
                AtualizaTamanhoFonte();
        });
}

frmPantoro::~frmPantoro() = default;

void frmPantoro::Carregar(const QString& argumentoChamada)
{
    const LegendasDaJanela legendas = IniciarJanela(argumentoChamada, QStringLiteral("1^1^PRD^"));
    ui->lblCodiEmpresa->setText(legendas.codiEmpresa);
    ui->lblNomeEmpresa->setText(legendas.nomeEmpresa);
    ui->lblCodiAmbiente->setText(legendas.codiAmbiente);
    CentralizaForm(this);
    setWindowTitle(legendas.titulo);
    if (legendas.tituloEmVermelho) {
        QPalette cores = ui->lblTituloJanela->palette();
        cores.setColor(QPalette::WindowText, QColor(255, 0, 0));  // VB colour 255
        ui->lblTituloJanela->setPalette(cores);
    }
    PreparaFiltros();
}

void frmPantoro::PreparaFiltros()
{
    ambiente().NomeTela = QStringLiteral("frmPantoro");
    ComAvisoDeErro([this] {
        PreencheLista(*ui->cboVendedor, CarregaVendedores(QString()));
        PreencheLista(*ui->cboTipoCli, CarregaTipoCliente());
    });
    // Filled lists leave the boxes empty: an empty box means "all".
    ui->cboVendedor->setCurrentIndex(-1);
    ui->cboTipoCli->setCurrentIndex(-1);
    const QString hoje = Format(Variant(Hoje().startOfDay()), QStringLiteral("dd/mm/yyyy"));
    ui->mskDtDe->setText(hoje);
    ui->mskDtAte->setText(hoje);
    ui->opDtEmissaoPedido->setChecked(true);
    ui->opRelStandard->setChecked(true);
    ui->opTF10->setChecked(true);
}

FiltroRelatorio frmPantoro::Filtro() const
{
    FiltroRelatorio filtro;
    filtro.layout = selecionada(opcoesDeLayout(*ui), filtro.layout);
    filtro.data = selecionada(opcoesDeData(*ui), filtro.data);
    filtro.tamanhoFonte = selecionada(opcoesDeFonte(*ui), 8);

    // The masked boxes are read as displayed, prompt characters included.
    filtro.dtDe = ui->mskDtDe->displayText();
    filtro.dtAte = ui->mskDtAte->displayText();
    filtro.marca = ui->cboMarca->currentText();
    filtro.vendedor = ui->cboVendedor->currentText();
    filtro.tipoCliente = ui->cboTipoCli->currentText();
    filtro.cliente = ui->lblCliente->text();
    filtro.codiEmpresa = ui->lblCodiEmpresa->text();
    filtro.nomeEmpresa = ui->lblNomeEmpresa->text();
    filtro.tituloJanela = windowTitle();
    return filtro;
}

void frmPantoro::MostraFiltro(const FiltroRelatorio& filtro)
{
    seleciona(opcoesDeLayout(*ui), filtro.layout);
    seleciona(opcoesDeData(*ui), filtro.data);
    seleciona(opcoesDeFonte(*ui), filtro.tamanhoFonte);
    ui->mskDtDe->setText(filtro.dtDe);
    ui->mskDtAte->setText(filtro.dtAte);
    ui->cboVendedor->setEditText(filtro.vendedor);
    ui->cboMarca->setEditText(filtro.marca);
    ui->cboTipoCli->setEditText(filtro.tipoCliente);
    ui->lblCliente->setText(filtro.cliente);
}

bool frmPantoro::eventFilter(QObject* objeto, QEvent* evento)
{
    if (TeclaEnter(evento)) {
        // Enter acts as Tab; the control still receives its Enter.
        focusNextChild();
        return false;
    }
    if (objeto == ui->cboCliente && SaidaDoControle(evento))
        cboCliente_LostFocus();
    else if (objeto == ui->mskDtAte && SaidaDoControle(evento))
        mskDtAte_LostFocus();
    else if ((objeto == ui->mskDtDe || objeto == ui->mskDtAte) && evento->type() == QEvent::FocusIn)
        // After the click that gave the focus has placed its cursor.
        QMetaObject::invokeMethod(
            this, [] { SelecionaTexto(); }, Qt::QueuedConnection);
    return QWidget::eventFilter(objeto, evento);
}

void frmPantoro::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    CentralizaNaTela(this);
}

void frmPantoro::cboMarca_DropDown()
{
    ComAvisoDeErro([this] {
        // Replacing the list clears the typed text too.
        const QString digitado = ui->cboMarca->currentText();
        PreencheLista(*ui->cboMarca, CarregaMarcas(digitado));
        ui->cboMarca->setEditText(digitado);
    });
}

void frmPantoro::cboCliente_DropDown()
{
    ComAvisoDeErro([this] {
        const QString digitado = ui->cboCliente->currentText();
        QString texto = digitado;
        PreencheLista(*ui->cboCliente, CarregaClientes(texto));
        ui->cboCliente->setEditText(digitado);
    });
}

void frmPantoro::cboCliente_LostFocus()
{
    ui->cboCliente->setEditText(UCase(ui->cboCliente->currentText()));
    QString nome = Trim(ui->cboCliente->currentText());
    if (nome.isEmpty())
        return;
    ComAvisoDeErro([this, &nome] {
        if (CDbl(IdCliente(nome)) > 0) {
            ui->lblCliente->setText(ui->cboCliente->currentText());
            ui->cboCliente->setEditText(QString());
            return;
        }
        MsgBox(QStringLiteral("Cliente não Cadastrado!"), IconeMensagem::Informacao, TituloRelease());
        ui->cboCliente->setFocus();
    });
}

void frmPantoro::cmdPesquisar_Cliente_Click()
{
    ComAvisoDeErro([this] {
        QString nome = Trim(ui->cboCliente->currentText());
        if (!nome.isEmpty() && CDbl(IdCliente(nome)) > 0) {
            ui->lblCliente->setText(nome);
            ui->cboCliente->setEditText(QString());
            return;
        }
        funcoes().TipoPessoaPesquisa = QStringLiteral("CLIENTE");
        AbrePesquisaDeClientes();
    });
}

void frmPantoro::mskDtAte_LostFocus()
{
    if (!IsDate(Variant(ui->mskDtAte->displayText())))
        ui->mskDtAte->setText(ui->mskDtDe->displayText());
}

void frmPantoro::AtualizaTamanhoFonte()
{
    ui->frameTamanhoFonte->setVisible(ui->opRelDetaSemVal->isChecked());
}

void frmPantoro::cmdImprimir_Click()
{
    ComAvisoDeErro([this] {
        const FiltroRelatorio filtro = Filtro();
        ResultadoRelatorio resultado;
        {
            Ampulheta ampulheta;
            GanchosRelatorio ganchos;
            ganchos.ampulheta = [&ampulheta](bool ligada) { ampulheta.muda(ligada); };
            ganchos.dataFinal = [this](const QString& dtAte) { ui->mskDtAte->setText(dtAte); };
            ganchos.dataEmissaoForcada = [this] { ui->opDtEmissaoPedido->setChecked(true); };
            resultado = ExecutaRelatorio(filtro, MotorRelatorio::Rapido, ganchos);
        }
        if (resultado.arquivo.isEmpty())
            return;
        relatorio().ArquivoHTML = resultado.arquivo;
        frmHTML_Generico visualizador(this, LinhaDoPeriodo(FiltroUsado(filtro, resultado)));
        visualizador.exec();
    });
}

void frmPantoro::ComAvisoDeErro(const std::function<void()>& acao)
{
    try {
        acao();
    } catch (const VbError& erro) {
        MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
    }
}

void frmPantoro::AbrePesquisaDeClientes()
{
    // A fresh window per opening: it restores the remembered search itself
    // and writes the pick into lblCliente.
    frmBROWSE_PESSOAS pesquisa(this);
    pesquisa.exec();
}

void frmPantoro::AtualizaFiltrosSalvos(const QString& nome)
{
    ComAvisoDeErro([this] { PreencheLista(*ui->cboFiltrosSalvos, NomesDosFiltrosSalvos()); });
    ui->cboFiltrosSalvos->setEditText(nome);
}

void frmPantoro::cboFiltrosSalvos_DropDown()
{
    AtualizaFiltrosSalvos(ui->cboFiltrosSalvos->currentText());
}

void frmPantoro::cboFiltrosSalvos_Escolhido(const QString& nome)
{
    // A name typed but not saved yet is only what Salvar will use.
    if (ui->cboFiltrosSalvos->findText(nome) < 0)
        return;
    ComAvisoDeErro([this, &nome] {
        const FiltroSalvo salvo = LeFiltroSalvo(nome);
        MostraFiltro(AplicaFiltroSalvo(salvo, Hoje()));
        QComboBox& periodos = *ui->cboPeriodoAoSalvar;
        if (!salvo.periodo.isEmpty() && periodos.findText(salvo.periodo) < 0)
            periodos.addItem(salvo.periodo);
        periodos.setCurrentIndex(salvo.periodo.isEmpty() ? 0 : periodos.findText(salvo.periodo));
    });
}

QString frmPantoro::NomeDoFiltroSalvo(const QString& falta)
{
    const QString nome = ui->cboFiltrosSalvos->currentText().trimmed();
    if (nome.isEmpty()) {
        MsgBox(falta, IconeMensagem::Exclamacao, TituloRelease());
        ui->cboFiltrosSalvos->setFocus();
    }
    return nome;
}

void frmPantoro::cmdSalvarFiltros_Click()
{
    const QString nome =
        NomeDoFiltroSalvo(QStringLiteral("Digite em \"Filtros salvos\" o nome com que os filtros serão salvos."));
    if (nome.isEmpty())
        return;
    const bool datasFixas = ui->cboPeriodoAoSalvar->currentIndex() <= 0;
    ComAvisoDeErro([&] {
        SalvaFiltros(nome, Filtro(), datasFixas ? QString() : ui->cboPeriodoAoSalvar->currentText());
        AtualizaFiltrosSalvos(nome);
    });
}

void frmPantoro::cmdExcluirFiltro_Click()
{
    const QString nome = NomeDoFiltroSalvo(QStringLiteral("Escolha em \"Filtros salvos\" o filtro a excluir."));
    if (nome.isEmpty())
        return;
    ComAvisoDeErro([&] {
        RemoveFiltroSalvo(nome);
        AtualizaFiltrosSalvos(QString());
    });
}
