#include "frmBROWSE_PESSOAS.h"
#include "ui_frmBROWSE_PESSOAS.h"

#include "janelas/AplicaCores.h"
#include "janelas/Formularios.h"
#include "janelas/LargurasDaGrade.h"
#include "janelas/Posicionamento.h"
#include "people/PesquisaRecordada.h"
#include "platform/Conversions.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/VbError.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace {

// One option button of a group: its name, what it means to the search, and
// whether a pick remembers it for the next opening.
template <typename Valor> struct Opcao {
    const char* nome;
    Valor valor;
    bool recordada;
};

// Each group in the order the search tests its options.
const Opcao<FormaBusca> Formas[] = {
    {"opCPFCNPJ", FormaBusca::CPFCNPJ, true},
    {"opNome", FormaBusca::Nome, true},
    {"opFantasia", FormaBusca::Fantasia, true},
    {"opCidade", FormaBusca::Cidade, true},
    {"opUF", FormaBusca::UF, true},
    {"opRamoAtividade", FormaBusca::RamoAtividade, true},
    {"opTelefone", FormaBusca::Telefone, true},
    {"opCodInterno", FormaBusca::CodInterno, false},
    {"opCodExterno", FormaBusca::CodExterno, false},
};

const Opcao<ConteudoBusca> Conteudos[] = {
    {"opQualquerParte", ConteudoBusca::QualquerParte, true},
    {"opCampoInteiro", ConteudoBusca::CampoInteiro, true},
    {"opInicialCom", ConteudoBusca::InicialCom, false},
};

const Opcao<CategoriaPessoa> Categorias[] = {
    {"opTodos", CategoriaPessoa::Todos, true},
    {"opProspect", CategoriaPessoa::Prospect, false},
    {"opCliente", CategoriaPessoa::Cliente, true},
    {"opFornecedor", CategoriaPessoa::Fornecedor, true},
    {"opTransportadora", CategoriaPessoa::Transportadora, true},
    {"opVendedor", CategoriaPessoa::Vendedor, true},
    {"opMotorista", CategoriaPessoa::Motorista, true},
    {"opDecorador", CategoriaPessoa::Decorador, false},
    {"opArquiteto", CategoriaPessoa::Arquiteto, false},
};

bool Marcada(const QWidget* janela, const char* nome)
{
    const auto* opcao = janela->findChild<QRadioButton*>(QLatin1String(nome));
    return opcao && opcao->isChecked();
}

// The first selected option of the group; `nenhuma` when none is.
template <typename Valor, size_t N>
Valor Escolhida(const QWidget* janela, const Opcao<Valor> (&grupo)[N], Valor nenhuma)
{
    for (const auto& opcao : grupo)
        if (Marcada(janela, opcao.nome))
            return opcao.valor;
    return nenhuma;
}

// The name a pick remembers for the group: the selected option's, or empty
// when that option is not remembered.
template <typename Valor, size_t N> QString NomeRecordado(const QWidget* janela, const Opcao<Valor> (&grupo)[N])
{
    for (const auto& opcao : grupo)
        if (Marcada(janela, opcao.nome))
            return opcao.recordada ? QString::fromLatin1(opcao.nome) : QString();
    return QString();
}

// The widest value each column is expected to hold, so it shows on one line.
const QHash<int, QString> MaioresValores = {
    {1, QStringLiteral("00.000.000/0000-00")},
    {4, QStringLiteral("(00) 00000-0000")},
    {5, QStringLiteral("00/00/0000")},
};

bool TeclaEnter(const QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress)
        return false;
    const int tecla = static_cast<const QKeyEvent*>(evento)->key();
    return tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
}

const QString NadaEncontrado = QStringLiteral("Nenhum Registro Localizado com esses parâmetros...");

}  // namespace

frmBROWSE_PESSOAS::frmBROWSE_PESSOAS(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmBROWSE_PESSOAS>()), flex_(new FlexGrid(this))
{
    ui->setupUi(this);
    ui->Flex->setModel(flex_);

    connect(ui->cmdPesquisa, &QPushButton::clicked, this, &frmBROWSE_PESSOAS::Pesquisa);
    connect(ui->cmdLimpar, &QPushButton::clicked, this, &frmBROWSE_PESSOAS::Limpa);
    // Follows the box however it changes, so restoring "Sim" searches as a click would.
    connect(ui->chkVisualiza, &QCheckBox::toggled, this, &frmBROWSE_PESSOAS::Pesquisa);
    connect(ui->cboCod, &ComboLista::listaAbrindo, this, &frmBROWSE_PESSOAS::AbreListaDeAtividades);
    connect(ui->Flex->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, &frmBROWSE_PESSOAS::EscolheLinha);

    connect(flex_, &FlexGrid::modelReset, this, &frmBROWSE_PESSOAS::AplicaLarguras);
    // A new search shows its result from the first row, whatever the last one scrolled to.
    connect(flex_, &FlexGrid::modelReset, ui->Flex, &QTableView::scrollToTop);
    connect(flex_, &FlexGrid::headerDataChanged, this, &frmBROWSE_PESSOAS::AplicaLarguras);
    connect(flex_, &FlexGrid::rowsInserted, this, [this] { AcompanhaRolagem(ui->Flex->verticalScrollBar()->value()); });
    connect(flex_, &FlexGrid::TopRowChanged, this, &frmBROWSE_PESSOAS::RolaParaTopRow);
    connect(ui->Flex->verticalScrollBar(), &QScrollBar::valueChanged, this, &frmBROWSE_PESSOAS::AcompanhaRolagem);
    connect(ui->Flex->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& atual) {
        if (!atual.isValid())
            return;
        flex_->SetRow(atual.row() + 1);  // model rows start below the header row
        flex_->SetCol(atual.column());
    });

    ui->cboCod->installEventFilter(this);
    ui->cmdPesquisa->installEventFilter(this);
    ui->Flex->installEventFilter(this);
    ui->Flex->viewport()->installEventFilter(this);

    CarregaJanela();
}

frmBROWSE_PESSOAS::~frmBROWSE_PESSOAS() = default;

void frmBROWSE_PESSOAS::CarregaJanela()
{
    AplicaEsquemaDeCores();
    MontaGrid(*flex_);
    CentralizaNaTela(this);
    setWindowTitle(TituloRelease());
    ui->opNome->setChecked(true);
    ui->opTodos->setChecked(true);

    if (funcoes().TipoPessoaPesquisa == QLatin1String("CLIENTE")) {
        DesabilitaCategorias();
        ui->opCliente->setEnabled(true);
        ui->opCliente->setChecked(true);
    }

    if (RestauraPesquisa()) {
        Pesquisa();
        // The data may have changed since the pick: stay inside the grid.
        if (flex_->Rows() > 1)
            flex_->SetTopRow(qBound(1, int(pesquisaRecordada().PesqTopRow), flex_->Rows() - 1));
    }
}

void frmBROWSE_PESSOAS::AplicaEsquemaDeCores()
{
    try {
        QString parametro = QStringLiteral("COR_PADRAO");
        CarregaCores(ParaTexto(ParametroEmpresa(parametro)));
        AplicaCores(this);
        // Option buttons and the check box take the scheme's background by
        // showing the painted frame behind them, not a patch of their own.
        for (QAbstractButton* opcao : findChildren<QAbstractButton*>())
            if (qobject_cast<QRadioButton*>(opcao) || qobject_cast<QCheckBox*>(opcao))
                opcao->setAutoFillBackground(false);
    } catch (const VbError& erro) {
        MostraErro(erro);
    }
}

void frmBROWSE_PESSOAS::DesabilitaCategorias()
{
    for (const auto& opcao : Categorias)
        findChild<QRadioButton*>(QLatin1String(opcao.nome))->setEnabled(false);
}

bool frmBROWSE_PESSOAS::RestauraPesquisa()
{
    const PesquisaRecordada& pesquisa = pesquisaRecordada();
    bool restaurou = false;
    if (!Trim(pesquisa.PesqForma).isEmpty()) {
        MarcaOpcao(pesquisa.PesqForma);
        restaurou = true;
    }
    if (!Trim(pesquisa.PesqConteudo).isEmpty()) {
        MarcaOpcao(pesquisa.PesqConteudo);
        restaurou = true;
    }
    if (!Trim(pesquisa.PesqTexto).isEmpty()) {
        ui->cboCod->setEditText(pesquisa.PesqTexto);
        restaurou = true;
    }
    if (!Trim(pesquisa.PesqDesativados).isEmpty()) {
        if (pesquisa.PesqDesativados == QLatin1String("Não"))
            ui->chkVisualiza->setChecked(false);
        else if (pesquisa.PesqDesativados == QLatin1String("Sim"))
            ui->chkVisualiza->setChecked(true);
        restaurou = true;
    }
    if (!Trim(pesquisa.PesqCategoria).isEmpty()) {
        MarcaOpcao(pesquisa.PesqCategoria);
        restaurou = true;
    }
    return restaurou;
}

void frmBROWSE_PESSOAS::MarcaOpcao(const QString& nome)
{
    if (auto* opcao = findChild<QRadioButton*>(nome))
        opcao->setChecked(true);
}

ParametrosBusca frmBROWSE_PESSOAS::ParametrosDaJanela() const
{
    ParametrosBusca p;
    p.texto = ui->cboCod->currentText();
    p.forma = Escolhida(this, Formas, FormaBusca::Nenhuma);
    p.conteudo = Escolhida(this, Conteudos, ConteudoBusca::Nenhum);
    p.desativados = ui->chkVisualiza->isChecked();
    p.categoria = Escolhida(this, Categorias, CategoriaPessoa::Nenhuma);
    return p;
}

void frmBROWSE_PESSOAS::Pesquisa()
{
    const ParametrosBusca parametros = ParametrosDaJanela();
    setCursor(Qt::WaitCursor);
    bool achou = false;
    try {
        achou = PesquisaPessoas(*flex_, parametros);
    } catch (const VbError& erro) {
        unsetCursor();
        MostraErro(erro);
        return;
    }
    unsetCursor();
    if (achou)
        return;
    MsgBox(NadaEncontrado);
    // Before the window is shown, showEvent puts the focus there.
    if (isVisible())
        ui->cboCod->setFocus();
}

void frmBROWSE_PESSOAS::EscolheLinha()
{
    if (flex_->Row() == 0)
        return;

    PesquisaRecordada& pesquisa = pesquisaRecordada();
    pesquisa.PesqTopRow = flex_->TopRow();
    pesquisa.PesqForma = NomeRecordado(this, Formas);
    pesquisa.PesqConteudo = NomeRecordado(this, Conteudos);
    pesquisa.PesqTexto = ui->cboCod->currentText();
    pesquisa.PesqDesativados = ui->chkVisualiza->isChecked() ? QStringLiteral("Sim") : QStringLiteral("Não");
    pesquisa.PesqCategoria = NomeRecordado(this, Categorias);
    funcoes().MostraDesativados.clear();

    if (ambiente().NomeTela == QLatin1String("frmPantoro") &&
        funcoes().TipoPessoaPesquisa == QLatin1String("CLIENTE")) {
        flex_->SetCol(2);
        if (QLabel* rotulo = RotuloClienteDoChamador())
            rotulo->setText(flex_->Text());
    }
    done(QDialog::Accepted);
}

QLabel* frmBROWSE_PESSOAS::RotuloClienteDoChamador() const
{
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (janela->objectName() == QLatin1String("frmPantoro"))
            return janela->findChild<QLabel*>(QStringLiteral("lblCliente"));
    return nullptr;
}

void frmBROWSE_PESSOAS::Limpa()
{
    MontaGrid(*flex_);
    CentralizaNaTela(this);
    setWindowTitle(TituloRelease());
    ui->opNome->setChecked(true);
    ui->opTodos->setChecked(true);
    ui->cboCod->setEditText(QString());
    ui->cboCod->setFocus();
}

void frmBROWSE_PESSOAS::AbreListaDeAtividades()
{
    if (!ui->opRamoAtividade->isChecked())
        return;
    // Refilling the list must not replace what the user typed.
    const QString texto = ui->cboCod->currentText();
    try {
        PreencheLista(*ui->cboCod, CarregaAtividades(Trim(texto)));
        ui->cboCod->setEditText(texto);
    } catch (const VbError& erro) {
        MostraErro(erro);
    }
}

void frmBROWSE_PESSOAS::MostraErro(const VbError& erro)
{
    MsgBox(erro.Description(), IconeMensagem::Critico, TituloRelease());
}

bool frmBROWSE_PESSOAS::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == ui->Flex->viewport() && evento->type() == QEvent::MouseButtonDblClick) {
        EscolheLinha();
        return false;
    }
    // Enter on a row picks it, as a double-click does.
    if (objeto == ui->Flex && TeclaEnter(evento)) {
        EscolheLinha();
        return true;
    }
    const bool noTexto = objeto == ui->cboCod;
    if ((noTexto || objeto == ui->cmdPesquisa) && TeclaEnter(evento)) {
        focusNextChild();
        return true;
    }
    if (noTexto && evento->type() == QEvent::FocusIn)
        SelecionaTexto();
    // Its own list dropping down, or another window, is no leaving the box.
    if (noTexto && evento->type() == QEvent::FocusOut) {
        const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo != Qt::PopupFocusReason && motivo != Qt::ActiveWindowFocusReason)
            ui->cboCod->setEditText(UCase(ui->cboCod->currentText()));
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmBROWSE_PESSOAS::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    CentralizaNaTela(this);
    // The user types the search first, whatever option was restored.
    ui->cboCod->setFocus();
    // The view can scroll only once it has its size.
    QTimer::singleShot(0, this, &frmBROWSE_PESSOAS::RolaParaTopRow);
}

void frmBROWSE_PESSOAS::AplicaLarguras()
{
    ::AplicaLarguras(*ui->Flex, *flex_, MaioresValores);
}

void frmBROWSE_PESSOAS::RolaParaTopRow()
{
    if (flex_->Rows() > 1)
        ui->Flex->verticalScrollBar()->setValue(flex_->TopRow() - 1);
}

void frmBROWSE_PESSOAS::AcompanhaRolagem(int valor)
{
    const int topo = valor + 1;
    if (topo < flex_->Rows() && topo != flex_->TopRow())
        flex_->SetTopRow(topo);
}
