#include "LeitorRelatorio.h"

#include "platform/VbError.h"
#include "startup/Ambiente.h"

#include <QRegularExpression>
#include <libxml/HTMLparser.h>
#include <libxml/parserInternals.h>
#include <cstring>

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

// "10%" -> 10; anything else -> 0.
double percentual(const QString& valor)
{
    const QString limpo = valor.trimmed();
    if (!limpo.endsWith(QLatin1Char('%')))
        return 0;
    return limpo.chopped(1).trimmed().toDouble();
}

AlinhamentoCelula alinhamento(const QString& valor)
{
    const QString a = valor.trimmed().toLower();
    if (a == QLatin1String("right"))
        return AlinhamentoCelula::Direita;
    if (a == QLatin1String("center"))
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
            linha.familiaFonte = declaracao.mid(doisPontos + 1).trimmed().remove(QLatin1Char('\'')).remove(QLatin1Char('"'));
        }
    }
    if (linha.tamanhoFontePt <= 0)
        linha.tamanhoFontePt = 12;
}

// What the browser shows of a cell's characters. The parser hands "&nbsp"
// without its ";" over as plain text, which the browser reads as the entity.
QString textoVisivel(const std::string& bruto)
{
    static const QRegularExpression brancos(QStringLiteral("[ \\t\\r\\n\\f]+"));
    QString visivel = QString::fromUtf8(bruto.data(), static_cast<qsizetype>(bruto.size()));
    if (visivel.contains(QLatin1Char(' ')) || visivel.contains(QLatin1Char('\n')) || visivel.contains(QLatin1Char('\t'))
        || visivel.contains(QLatin1Char('\r')))
        visivel = visivel.replace(brancos, QStringLiteral(" ")).trimmed();
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

    Estado(ReceptorDeRelatorio& r, const QString& c) : receptor(r), caminho(c) {}

    // Runs a receiver call; an exception stops the parser and waits in `erro`.
    template <typename Chamada>
    void protegido(Chamada chamada)
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
                // A report of this program begins with the release text.
                if (!linha.celulas.first().texto.startsWith(TituloRelease()))
                    recusa(vb_error::ArquivoInvalido, QStringLiteral("O arquivo não é um relatório deste programa: %1"),
                           caminho);
            }
            receptor.Linha(linha);
        });
    }

    void inicio(const xmlChar* nome, const xmlChar** atributos)
    {
        auto atributo = [atributos](const char* procurado) -> QString {
            for (const xmlChar** a = atributos; a && *a; a += 2)
                if (xmlStrcasecmp(a[0], reinterpret_cast<const xmlChar*>(procurado)) == 0)
                    return texto(a[1]);
            return QString();
        };
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
            linha = LinhaRelatorio();
            leEstilo(atributo("style"), linha);
        } else if ((igual(nome, "td") || igual(nome, "th")) && naLinha) {
            fechaCelula();
            naCelula = true;
            textoCelula.clear();
            celula = CelulaRelatorio();
            celula.larguraPercentual = percentual(atributo("width"));
            celula.alinhamento = alinhamento(atributo("align"));
            celula.colunas = std::max(1, atributo("colspan").toInt());
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
    estado_->contexto = htmlCreatePushParserCtxt(&sax, estado_.get(), nullptr, 0, nome.constData(), XML_CHAR_ENCODING_NONE);
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
    while (leitor.LePedaco()) {
    }
}
