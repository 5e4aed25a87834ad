#include "DocumentoIni.h"

#include "platform/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

// Where an end-of-line comment starts in `texto` (the blanks before its ";"
// included), or the text's length when it has none.
int inicioDoComentario(const QString& texto)
{
    for (int i = 0; i < texto.size(); ++i) {
        if (texto[i] != u';' || (i > 0 && !texto[i - 1].isSpace()))
            continue;
        while (i > 0 && texto[i - 1].isSpace())
            --i;
        return i;
    }
    return int(texto.size());
}

bool precisaDeAspas(const QString& valor)
{
    return valor != valor.trimmed() || valor.startsWith(u'"') || inicioDoComentario(valor) < valor.size();
}

QString escreveValor(const QString& valor)
{
    if (!precisaDeAspas(valor))
        return valor;
    return u'"' + QString(valor).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

struct ValorLido {
    QString valor;
    QString comentario;  // with the blanks before it
    QString problema;
};

// What follows a key's "=": a value in quotes ("" a quote) or up to an end-of-line comment.
ValorLido leValor(const QString& resto)
{
    const QString valor = resto.trimmed();
    if (!valor.startsWith(u'"')) {
        const int comentario = inicioDoComentario(resto);
        return {resto.left(comentario).trimmed(), resto.mid(comentario), {}};
    }
    ValorLido lido;
    for (int i = 1; i < valor.size(); ++i) {
        if (valor[i] != u'"') {
            lido.valor += valor[i];
        } else if (i + 1 < valor.size() && valor[i + 1] == u'"') {
            lido.valor += u'"';
            ++i;
        } else {
            lido.comentario = valor.mid(i + 1);
            if (!lido.comentario.trimmed().isEmpty() && !lido.comentario.trimmed().startsWith(u';'))
                lido.problema = QStringLiteral("há texto depois das aspas que fecham o valor.");
            return lido;
        }
    }
    lido.problema = QStringLiteral("falta fechar as aspas do valor.");
    return lido;
}

}  // namespace

DocumentoIni::DocumentoIni(const QString& nome, const QString& texto) : nome_(nome)
{
    QString corpo = texto;
    bom_ = corpo.startsWith(QChar(0xFEFF));
    if (bom_)
        corpo.remove(0, 1);
    crlf_ = corpo.contains(QStringLiteral("\r\n"));
    if (corpo.endsWith(u'\n'))
        corpo.chop(1);
    if (corpo.isEmpty())
        return;
    for (QString linha : corpo.split(u'\n')) {
        if (linha.endsWith(u'\r'))
            linha.chop(1);
        linhas_.append(analisa(linha));
    }
}

DocumentoIni DocumentoIni::Le(const QString& nome, const QString& caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.exists())
        return DocumentoIni(nome, QString());
    if (!arquivo.open(QIODevice::ReadOnly))
        throw VbError(vb_error::PathFileAccess,
                      QStringLiteral("O arquivo %1 não pôde ser lido: %2").arg(nome, arquivo.errorString()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = utf8.decode(arquivo.readAll());
    if (utf8.hasError())
        throw VbError(vb_error::TypeMismatch,
                      QStringLiteral("O arquivo %1 não está em UTF-8; grave-o em UTF-8.").arg(nome));
    return DocumentoIni(nome, texto);
}

QString DocumentoIni::Texto() const
{
    const QString fim = crlf_ ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString texto = bom_ ? QString(QChar(0xFEFF)) : QString();
    for (const Linha& linha : linhas_)
        texto += linha.texto + fim;
    return texto;
}

void DocumentoIni::Grava(const QString& caminho) const
{
    // Through a symbolic link to the file it names, as the user set it up.
    const QFileInfo destino(caminho);
    const QString real = destino.isSymLink() ? destino.symLinkTarget() : caminho;
    QDir().mkpath(QFileInfo(real).absolutePath());
    QSaveFile arquivo(real);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(Texto().toUtf8()) < 0 || !arquivo.commit())
        throw VbError(vb_error::PathFileAccess,
                      QStringLiteral("O arquivo %1 não pôde ser gravado: %2").arg(nome_, arquivo.errorString()));
}

DocumentoIni::Linha DocumentoIni::analisa(const QString& texto)
{
    Linha linha;
    linha.texto = texto;
    const QString aparado = texto.trimmed();
    if (aparado.isEmpty())
        return linha;
    if (aparado.startsWith(u';') || aparado.startsWith(u'#')) {
        linha.tipo = Tipo::Comentario;
        return linha;
    }
    if (aparado.startsWith(u'[')) {
        linha.tipo = Tipo::Grupo;
        const QString cabecalho = aparado.left(inicioDoComentario(aparado));
        if (!cabecalho.endsWith(u']')) {
            linha.nome = cabecalho.mid(1).trimmed();
            linha.problema = QStringLiteral("falta o \"]\" que fecha o nome do grupo.");
        } else {
            linha.nome = cabecalho.mid(1, cabecalho.size() - 2).trimmed();
            linha.problema = ProblemaNoNome(linha.nome);
        }
        return linha;
    }
    linha.tipo = Tipo::Invalida;
    const int igual = int(texto.indexOf(u'='));
    if (igual < 0) {
        linha.problema = QStringLiteral("a linha \"%1\" não é [grupo], chave=valor nem comentário.").arg(aparado);
        return linha;
    }
    static const QRegularExpression formaDaChave(QStringLiteral("^[A-Za-z0-9_-]+$"));
    linha.nome = texto.left(igual).trimmed();
    if (!formaDaChave.match(linha.nome).hasMatch()) {
        linha.problema =
            QStringLiteral("\"%1\" não é um nome de chave (letras, algarismos, \"-\" e \"_\").").arg(linha.nome);
        linha.nome.clear();
        return linha;
    }
    const ValorLido lido = leValor(texto.mid(igual + 1));
    linha.valor = lido.valor;
    linha.comentario = lido.comentario;
    linha.problema = lido.problema;
    if (linha.problema.isEmpty())
        linha.tipo = Tipo::Chave;
    return linha;
}

DocumentoIni::Linha DocumentoIni::linhaDeChave(const QString& chave, const QString& valor, const QString& comentario)
{
    return analisa(chave + u'=' + escreveValor(valor) + comentario);
}

QString DocumentoIni::ProblemaNoNome(const QString& nome)
{
    if (nome.trimmed().isEmpty())
        return QStringLiteral("o grupo não tem nome.");
    if (nome.contains(u'[') || nome.contains(u']'))
        return QStringLiteral("o nome \"%1\" contém \"[\" ou \"]\", que um nome de grupo não pode ter.").arg(nome);
    if (nome != nome.trimmed() || nome.contains(u'\n') || nome.contains(u'\r') ||
        inicioDoComentario(nome) < nome.size())
        return QStringLiteral("o nome \"%1\" não pode começar ou terminar com espaços, ter quebra de linha "
                              "nem \" ;\".")
            .arg(nome);
    return {};
}

void DocumentoIni::Falha(int linha, const QString& grupo, const QString& chave, const QString& texto) const
{
    QString onde = QStringLiteral("Arquivo ") + nome_;
    if (linha > 0)
        onde += QStringLiteral(", linha %1").arg(linha);
    if (!grupo.isEmpty())
        onde += QStringLiteral(", grupo [%1]").arg(grupo);
    if (!chave.isEmpty())
        onde += QStringLiteral(", chave ") + chave;
    throw VbError(vb_error::TypeMismatch, onde + QStringLiteral(": ") + texto);
}

QVector<int> DocumentoIni::cabecalhos(const QString& grupo) const
{
    QVector<int> indices;
    for (int i = 0; i < linhas_.size(); ++i)
        if (linhas_[i].tipo == Tipo::Grupo && linhas_[i].nome == grupo)
            indices.append(i);
    return indices;
}

int DocumentoIni::fimDoGrupo(int cabecalho) const
{
    int fim = cabecalho + 1;
    while (fim < linhas_.size() && linhas_[fim].tipo != Tipo::Grupo)
        ++fim;
    return fim;
}

int DocumentoIni::linhaDaChave(int cabecalho, const QString& chave) const
{
    for (int i = cabecalho + 1; i < fimDoGrupo(cabecalho); ++i)
        if (linhas_[i].tipo == Tipo::Chave && linhas_[i].nome.compare(chave, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int DocumentoIni::cabecalhoUnico(const QString& grupo) const
{
    const QVector<int> indices = cabecalhos(grupo);
    if (indices.isEmpty())
        Falha(0, grupo, {}, QStringLiteral("não há um grupo com esse nome."));
    if (indices.size() > 1)
        Falha(indices[1] + 1, grupo, {},
              QStringLiteral("o grupo aparece mais de uma vez (linhas %1 e %2).")
                  .arg(indices[0] + 1)
                  .arg(indices[1] + 1));
    return indices[0];
}

void DocumentoIni::verificaInicio() const
{
    for (int i = 0; i < linhas_.size() && linhas_[i].tipo != Tipo::Grupo; ++i) {
        const Linha& linha = linhas_[i];
        if (linha.tipo == Tipo::Chave)
            Falha(i + 1, {}, linha.nome, QStringLiteral("a chave está antes do primeiro [grupo]."));
        if (linha.tipo == Tipo::Invalida)
            Falha(i + 1, {}, linha.nome, linha.problema);
    }
}

QStringList DocumentoIni::Grupos() const
{
    verificaInicio();
    QStringList grupos;
    for (const Linha& linha : linhas_)
        if (linha.tipo == Tipo::Grupo && !grupos.contains(linha.nome))
            grupos.append(linha.nome);
    return grupos;
}

bool DocumentoIni::Contem(const QString& grupo) const
{
    return !cabecalhos(grupo).isEmpty();
}

bool DocumentoIni::TemChave(const QString& grupo, const QString& chave) const
{
    for (const int cabecalho : cabecalhos(grupo))
        if (linhaDaChave(cabecalho, chave) >= 0)
            return true;
    return false;
}

int DocumentoIni::LinhaDoGrupo(const QString& grupo) const
{
    const QVector<int> indices = cabecalhos(grupo);
    return indices.isEmpty() ? 0 : indices[0] + 1;
}

QVector<EntradaIni> DocumentoIni::Entradas(const QString& grupo) const
{
    verificaInicio();
    const int cabecalho = cabecalhoUnico(grupo);
    if (!linhas_[cabecalho].problema.isEmpty())
        Falha(cabecalho + 1, grupo, {}, linhas_[cabecalho].problema);
    QVector<EntradaIni> entradas;
    for (int i = cabecalho + 1; i < fimDoGrupo(cabecalho); ++i) {
        const Linha& linha = linhas_[i];
        if (linha.tipo == Tipo::Invalida)
            Falha(i + 1, grupo, linha.nome, linha.problema);
        if (linha.tipo != Tipo::Chave)
            continue;
        for (const EntradaIni& anterior : entradas)
            if (anterior.chave.compare(linha.nome, Qt::CaseInsensitive) == 0)
                Falha(i + 1, grupo, linha.nome, QStringLiteral("a chave já foi dada na linha %1.").arg(anterior.linha));
        entradas.append({linha.nome, linha.valor, i + 1});
    }
    return entradas;
}

void DocumentoIni::DefineGrupo(const QString& grupo, const QVector<std::pair<QString, QString>>& valores,
                               const QStringList& remover)
{
    const QString problema = ProblemaNoNome(grupo);
    if (!problema.isEmpty())
        Falha(0, {}, {}, problema);
    for (const auto& [chave, valor] : valores)
        if (valor.contains(u'\n') || valor.contains(u'\r'))
            Falha(0, grupo, chave, QStringLiteral("um valor não pode ter quebra de linha."));

    if (!Contem(grupo)) {
        if (!linhas_.isEmpty() && linhas_.last().tipo != Tipo::Vazia)
            linhas_.append(Linha{});
        linhas_.append(analisa(u'[' + grupo + u']'));
        for (const auto& [chave, valor] : valores)
            linhas_.append(linhaDeChave(chave, valor, {}));
        return;
    }
    const int cabecalho = cabecalhoUnico(grupo);
    for (const QString& chave : remover)
        for (int i = linhaDaChave(cabecalho, chave); i >= 0; i = linhaDaChave(cabecalho, chave))
            linhas_.remove(i);
    for (const auto& [chave, valor] : valores) {
        const int existente = linhaDaChave(cabecalho, chave);
        if (existente >= 0) {
            const Linha& antiga = linhas_[existente];
            linhas_[existente] = linhaDeChave(antiga.nome, valor, antiga.comentario);
            continue;
        }
        int depois = cabecalho;
        for (int i = cabecalho + 1; i < fimDoGrupo(cabecalho); ++i)
            if (linhas_[i].tipo == Tipo::Chave || linhas_[i].tipo == Tipo::Invalida)
                depois = i;
        linhas_.insert(depois + 1, linhaDeChave(chave, valor, {}));
    }
}

void DocumentoIni::RemoveGrupo(const QString& grupo)
{
    const int cabecalho = cabecalhoUnico(grupo);
    int inicio = cabecalho;
    while (inicio > 0 && linhas_[inicio - 1].tipo == Tipo::Comentario)
        --inicio;
    int fim = fimDoGrupo(cabecalho);
    // The comment lines right above the next header describe that group.
    while (fim < linhas_.size() && fim > cabecalho + 1 && linhas_[fim - 1].tipo == Tipo::Comentario)
        --fim;
    linhas_.remove(inicio, fim - inicio);
    if (inicio == linhas_.size())
        while (!linhas_.isEmpty() && linhas_.last().tipo == Tipo::Vazia)
            linhas_.removeLast();
}
