#include "LeitorRelatorio.h"

#include "platform/VbError.h"
#include "report/MarcasDoRelatorio.h"

#include <cstring>
#include <libxml/HTMLparser.h>
#include <libxml/parserInternals.h>

namespace {

constexpr qint64 TamanhoDoPedaco = 256 * 1024;
const QChar EspacoInseparavel(0x00A0);

[[noreturn]] void recusa(long numero, const QString& texto, const QString& caminho)
{
    throw VbError(numero, texto.arg(caminho));
}

bool igual(const xmlChar* nome, const char* esperado)
{
    return std::strcmp(reinterpret_cast<const char*>(nome), esperado) == 0;
}

QString texto(const xmlChar* valor)
{
    return valor ? QString::fromUtf8(reinterpret_cast<const char*>(valor)) : QString();
}

// An attribute's value, no copy made.
QByteArray bytes(const xmlChar* valor)
{
    return valor ? QByteArray::fromRawData(reinterpret_cast<const char*>(valor),
                                           static_cast<qsizetype>(std::strlen(reinterpret_cast<const char*>(valor))))
                 : QByteArray();
}

// "10%" -> 10; anything else -> 0.
double percentual(const xmlChar* valor)
{
    const QByteArray limpo = bytes(valor).trimmed();
    if (!limpo.endsWith('%'))
        return 0;
    return limpo.chopped(1).trimmed().toDouble();
}

AlinhamentoCelula alinhamento(const xmlChar* valor)
{
    const QByteArray a = bytes(valor).trimmed();
    if (qstricmp(a.constData(), "right") == 0)
        return AlinhamentoCelula::Direita;
    if (qstricmp(a.constData(), "center") == 0)
        return AlinhamentoCelula::Centro;
    return AlinhamentoCelula::Esquerda;
}

// The row's inline style: "FONT-WEIGHT: bold; FONT-SIZE: 8pt; FONT-FAMILY: Tahoma".
void leEstilo(const QString& estilo, LinhaRelatorio& linha)
{
    for (const QString& declaracao : estilo.split(QLatin1Char(';'))) {
        const int doisPontos = declaracao.indexOf(QLatin1Char(':'));
        if (doisPontos < 0)
            continue;
        const QString nome = declaracao.left(doisPontos).trimmed().toLower();
        const QString valor = declaracao.mid(doisPontos + 1).trimmed().toLower();
        if (nome == QLatin1String("font-weight")) {
            linha.negrito = valor == QLatin1String("bold") || valor == QLatin1String("bolder") || valor.toInt() >= 600;
        } else if (nome == QLatin1String("font-size")) {
            if (valor.endsWith(QLatin1String("pt")))
                linha.tamanhoFontePt = valor.chopped(2).toDouble();
            else if (valor.endsWith(QLatin1String("px")))
                linha.tamanhoFontePt = valor.chopped(2).toDouble() * 72 / 96;
        } else if (nome == QLatin1String("font-family")) {
            linha.familiaFonte =
                declaracao.mid(doisPontos + 1).trimmed().remove(QLatin1Char('\'')).remove(QLatin1Char('"'));
        }
    }
    if (linha.tamanhoFontePt <= 0)
        linha.tamanhoFontePt = 12;
}

// What the browser shows of a cell's characters: runs of blanks one blank,
// none at either end. The parser hands "&nbsp" without its ";" over as
// plain text, which the browser reads as the entity.
QString textoVisivel(const std::string& bruto)
{
    QString visivel = QString::fromUtf8(bruto.data(), static_cast<qsizetype>(bruto.size()));
    QChar* letras = visivel.data();
    qsizetype tamanho = 0;
    bool aposBranco = true;
    for (qsizetype i = 0; i < visivel.size(); ++i) {
        const char16_t letra = letras[i].unicode();
        if (letra == ' ' || letra == '\t' || letra == '\n' || letra == '\r' || letra == '\f') {
            if (!aposBranco)
                letras[tamanho++] = QLatin1Char(' ');
            aposBranco = true;
        } else {
            letras[tamanho++] = letras[i];
            aposBranco = false;
        }
    }
    if (tamanho > 0 && aposBranco)
        --tamanho;
    visivel.truncate(tamanho);
    if (visivel.contains(QLatin1Char('&')))
        visivel.replace(QLatin1String("&nbsp"), QString(EspacoInseparavel));
    return visivel;
}

}  // namespace

// What the parser callbacks share: where in the page the parser is, and the
// row and cell being read.
struct LeitorDeRelatorio::Estado {
    ReceptorDeRelatorio& receptor;
    QString caminho;
    htmlParserCtxtPtr contexto = nullptr;
    std::exception_ptr erro;

    int profundidadeTabela = 0;
    bool noTitulo = false;
    bool naLinha = false;
    bool naCelula = false;
    bool primeiraLinhaVista = false;
    std::string titulo;
    std::string textoCelula;
    LinhaRelatorio linha;
    CelulaRelatorio celula;
    QByteArray estiloLido;
    LinhaRelatorio linhaDoEstilo;  // a row with no cells yet, in `estiloLido`

    Estado(ReceptorDeRelatorio& r, const QString& c) : receptor(r), caminho(c) {}

    // Runs a receiver call; an exception stops the parser and waits in `erro`.
    template <typename Chamada> void protegido(Chamada chamada)
    {
        if (erro)
            return;
        try {
            chamada();
        } catch (...) {
            erro = std::current_exception();
            xmlStopParser(contexto);
        }
    }

    void fechaCelula()
    {
        if (!naCelula)
            return;
        naCelula = false;
        celula.texto = textoVisivel(textoCelula);
        linha.celulas.push_back(celula);
    }

    void fechaLinha()
    {
        fechaCelula();
        if (!naLinha)
            return;
        naLinha = false;
        if (linha.celulas.isEmpty())
            return;
        protegido([this] {
            if (!primeiraLinhaVista) {
                primeiraLinhaVista = true;
                if (!linha.celulas.first().texto.startsWith(marca::InicioDaMoldura()))
                    recusa(vb_error::ArquivoInvalido, QStringLiteral("O arquivo não é um relatório deste programa: %1"),
                           caminho);
            }
            receptor.Linha(linha);
        });
    }

    void inicio(const xmlChar* nome, const xmlChar** atributos)
    {
        auto valor = [atributos](const char* procurado) -> const xmlChar* {
            for (const xmlChar** a = atributos; a && *a; a += 2)
                if (xmlStrcasecmp(a[0], reinterpret_cast<const xmlChar*>(procurado)) == 0)
                    return a[1];
            return nullptr;
        };
        auto atributo = [&valor](const char* procurado) { return texto(valor(procurado)); };
        if (igual(nome, "table")) {
            if (++profundidadeTabela > 1)
                return;
            TabelaRelatorio tabela;
            tabela.borda = atributo("border").toInt();
            tabela.larguraPx = atributo("width").toInt();
            tabela.centralizada = atributo("align").trimmed().toLower() == QLatin1String("center");
            tabela.id = atributo("id");
            protegido([&] { receptor.InicioDeTabela(tabela); });
        } else if (profundidadeTabela > 1) {
            return;
        } else if (igual(nome, "tr") && profundidadeTabela == 1) {
            fechaLinha();
            naLinha = true;
            // Rows repeat a few styles: each is read once.
            const QByteArray estilo = bytes(valor("style"));
            if (estilo != estiloLido) {
                estiloLido = estilo;
                estiloLido.detach();
                linhaDoEstilo = LinhaRelatorio();
                leEstilo(QString::fromUtf8(estilo), linhaDoEstilo);
            }
            linha = linhaDoEstilo;
        } else if ((igual(nome, "td") || igual(nome, "th")) && naLinha) {
            fechaCelula();
            naCelula = true;
            textoCelula.clear();
            celula = CelulaRelatorio();
            celula.larguraPercentual = percentual(valor("width"));
            celula.alinhamento = alinhamento(valor("align"));
            celula.colunas = std::max(1, bytes(valor("colspan")).trimmed().toInt());
        } else if (igual(nome, "br")) {
            if (naCelula)
                textoCelula += ' ';
            else if (profundidadeTabela == 0)
                protegido([this] { receptor.Quebra(QuebraRelatorio::Linha); });
        } else if (igual(nome, "p") && profundidadeTabela == 0) {
            protegido([this] { receptor.Quebra(QuebraRelatorio::Paragrafo); });
        } else if (igual(nome, "title")) {
            noTitulo = true;
            titulo.clear();
        }
    }

    void fim(const xmlChar* nome)
    {
        if (igual(nome, "table")) {
            if (profundidadeTabela == 0 || --profundidadeTabela > 0)
                return;
            fechaLinha();
            protegido([this] { receptor.FimDeTabela(); });
        } else if (profundidadeTabela > 1) {
            return;
        } else if (igual(nome, "tr")) {
            fechaLinha();
        } else if (igual(nome, "td") || igual(nome, "th")) {
            fechaCelula();
        } else if (igual(nome, "title") && noTitulo) {
            noTitulo = false;
            const QString lido = textoVisivel(titulo);
            protegido([&] { receptor.Titulo(lido); });
        }
    }

    void caracteres(const xmlChar* letras, int tamanho)
    {
        if (naCelula)
            textoCelula.append(reinterpret_cast<const char*>(letras), static_cast<size_t>(tamanho));
        else if (noTitulo)
            titulo.append(reinterpret_cast<const char*>(letras), static_cast<size_t>(tamanho));
    }
};

namespace {

LeitorDeRelatorio::Estado& estadoDe(void* dados)
{
    return *static_cast<LeitorDeRelatorio::Estado*>(dados);
}

htmlSAXHandler tratador()
{
    htmlSAXHandler sax;
    std::memset(&sax, 0, sizeof sax);
    sax.startElement = [](void* dados, const xmlChar* nome, const xmlChar** atributos) {
        estadoDe(dados).inicio(nome, atributos);
    };
    sax.endElement = [](void* dados, const xmlChar* nome) { estadoDe(dados).fim(nome); };
    sax.characters = [](void* dados, const xmlChar* letras, int tamanho) {
        estadoDe(dados).caracteres(letras, tamanho);
    };
    sax.cdataBlock = sax.characters;
    sax.ignorableWhitespace = sax.characters;
    return sax;
}

// The page's closing tag at the very end: a run that stopped half-way, or a
// copy cut short, lacks it.
bool terminaComAPagina(QFile& arquivo, qint64 tamanho)
{
    const qint64 cauda = std::min<qint64>(tamanho, 256);
    if (!arquivo.seek(tamanho - cauda))
        return false;
    const QByteArray fim = arquivo.read(cauda).trimmed().toUpper();
    arquivo.seek(0);
    return fim.endsWith("</HTML>");
}

}  // namespace

LeitorDeRelatorio::LeitorDeRelatorio(const QString& caminho, ReceptorDeRelatorio& receptor) : arquivo_(caminho)
{
    if (!arquivo_.exists())
        recusa(vb_error::FileNotFound, QStringLiteral("Arquivo não encontrado: %1"), caminho);
    if (!arquivo_.open(QIODevice::ReadOnly))
        recusa(vb_error::PathFileAccess, QStringLiteral("O arquivo não pôde ser lido: %1"), caminho);
    tamanho_ = arquivo_.size();
    if (tamanho_ == 0)
        recusa(vb_error::ArquivoInvalido, QStringLiteral("O arquivo está vazio: %1"), caminho);
    if (!terminaComAPagina(arquivo_, tamanho_))
        recusa(vb_error::ArquivoInvalido,
               QStringLiteral("O relatório está incompleto (o arquivo termina antes do fim da página): %1"), caminho);

    estado_ = std::make_unique<Estado>(receptor, caminho);
    static htmlSAXHandler sax = tratador();
    const QByteArray nome = QFile::encodeName(caminho);
    estado_->contexto =
        htmlCreatePushParserCtxt(&sax, estado_.get(), nullptr, 0, nome.constData(), XML_CHAR_ENCODING_NONE);
    if (!estado_->contexto)
        recusa(vb_error::PathFileAccess, QStringLiteral("O arquivo não pôde ser lido: %1"), caminho);
    htmlCtxtUseOptions(estado_->contexto, HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
    // The report declares no charset: it is the ANSI code page's.
    xmlSwitchToEncoding(estado_->contexto, xmlFindCharEncodingHandler("WINDOWS-1252"));
}

LeitorDeRelatorio::~LeitorDeRelatorio()
{
    if (estado_ && estado_->contexto) {
        if (estado_->contexto->myDoc)
            xmlFreeDoc(estado_->contexto->myDoc);
        htmlFreeParserCtxt(estado_->contexto);
    }
}

bool LeitorDeRelatorio::LePedaco()
{
    if (fim_)
        return false;
    const QByteArray pedaco = arquivo_.read(TamanhoDoPedaco);
    if (pedaco.isEmpty() && arquivo_.error() != QFileDevice::NoError)
        recusa(vb_error::PathFileAccess, QStringLiteral("O arquivo não pôde ser lido: %1"), estado_->caminho);
    lidos_ += pedaco.size();
    fim_ = lidos_ >= tamanho_ || pedaco.isEmpty();
    htmlParseChunk(estado_->contexto, pedaco.constData(), static_cast<int>(pedaco.size()), fim_ ? 1 : 0);
    if (estado_->erro) {
        fim_ = true;
        std::rethrow_exception(estado_->erro);
    }
    if (fim_ && !estado_->primeiraLinhaVista)
        recusa(vb_error::ArquivoInvalido, QStringLiteral("O arquivo não é um relatório deste programa: %1"),
               estado_->caminho);
    return !fim_;
}

void LeRelatorio(const QString& caminho, ReceptorDeRelatorio& receptor)
{
    LeitorDeRelatorio leitor(caminho, receptor);
    while (leitor.LePedaco()) {}
}
