#include "WindowsPath.h"

#include "VbError.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <optional>

namespace {

[[noreturn]] void nomeInvalido(const QString& path, const QString& motivo)
{
    throw VbError(vb_error::BadFileName, QStringLiteral("Bad file name or number (%1: %2)").arg(path, motivo));
}

QString raizDoDrive(QChar letra, const QString& path)
{
    const QByteArray variavel = "PANTORO_DRIVE_" + QString(letra.toUpper()).toLatin1();
    const QByteArray valor = qgetenv(variavel.constData());
    if (!valor.isEmpty())
        return QString::fromLocal8Bit(valor);
    if (letra.toUpper() == u'C') {
        const QString dados = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        return dados + QStringLiteral("/c");
    }
    nomeInvalido(
        path,
        QStringLiteral("drive %1: is not mapped; set %2").arg(letra.toUpper()).arg(QString::fromLatin1(variavel)));
}

// The entry of `pasta` whose name equals `nome` ignoring case, if any.
std::optional<QString> entradaSemCaixa(const QString& pasta, const QString& nome)
{
    if (QFileInfo::exists(pasta + u'/' + nome))
        return nome;
    const QDir dir(pasta.isEmpty() ? QStringLiteral("/") : pasta);
    const QStringList entradas = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entrada : entradas) {
        if (entrada.compare(nome, Qt::CaseInsensitive) == 0)
            return entrada;
    }
    return std::nullopt;
}

}  // namespace

QString CaminhoLocal(const QString& windowsPath)
{
    if (windowsPath.isEmpty())
        nomeInvalido(windowsPath, QStringLiteral("empty path"));
    static const QRegularExpression proibidos(QStringLiteral(R"([\x00-\x1f<>"|?*])"));
    if (proibidos.match(windowsPath).hasMatch())
        nomeInvalido(windowsPath, QStringLiteral("invalid character"));
    if (windowsPath.startsWith(u'/'))
        return windowsPath;
    if (windowsPath.startsWith(QLatin1String("\\\\")))
        nomeInvalido(windowsPath, QStringLiteral("network paths are not supported"));

    QString resto = windowsPath;
    QString local;
    static const QRegularExpression drive(QStringLiteral(R"(^([A-Za-z]):[\\/]?)"));
    const QRegularExpressionMatch m = drive.match(windowsPath);
    if (m.hasMatch()) {
        local = raizDoDrive(m.captured(1)[0], windowsPath);
        resto = windowsPath.mid(m.capturedLength());
    } else {
        local = QDir::currentPath();
    }
    if (resto.contains(u':'))
        nomeInvalido(windowsPath, QStringLiteral("misplaced colon"));
    while (local.endsWith(u'/'))
        local.chop(1);

    // ".." stops at the drive's folder, as it stops at C:\ on Windows. Below
    // a name that is not on disk nothing is, so the rest is taken as written
    // (a long path costs no more than its length).
    QVector<int> tamanhos;
    int primeiraQueFalta = -1;
    static const QRegularExpression barra(QStringLiteral(R"([\\/])"));
    const QStringList partes = resto.split(barra, Qt::SkipEmptyParts);
    for (const QString& parte : partes) {
        if (parte == QLatin1String("."))
            continue;
        if (parte == QLatin1String("..")) {
            if (!tamanhos.isEmpty())
                local.truncate(tamanhos.takeLast());
            if (tamanhos.size() <= primeiraQueFalta)
                primeiraQueFalta = -1;
            continue;
        }
        tamanhos.append(local.size());
        std::optional<QString> noDisco;
        if (primeiraQueFalta < 0) {
            noDisco = entradaSemCaixa(local, parte);
            if (!noDisco)
                primeiraQueFalta = tamanhos.size() - 1;
        }
        local += u'/' + noDisco.value_or(parte);
    }
    if (local.isEmpty() || windowsPath.endsWith(u'\\') || windowsPath.endsWith(u'/'))
        local += u'/';
    return local;
}
