// The platform routines on any input. Each function below is the body of
// the libFuzzer target of its name (CMakeLists.txt defines PANTORO_FUZZ_ALVO).
// Drive C: is a temporary folder; LIKE runs on an in-memory SQLite.
#include "Entrada.h"
#include "platform/Conversions.h"
#include "platform/DialetoConexao.h"
#include "platform/DialetoSql.h"
#include "platform/Format.h"
#include "platform/SqliteTexto.h"
#include "platform/TextFile.h"
#include "platform/UserLocale.h"
#include "platform/VbError.h"
#include "platform/WindowsPath.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

QTemporaryDir* drive = nullptr;
sqlite3* banco = nullptr;
sqlite3_stmt* comandoLike = nullptr;    // LIKE without ESCAPE and the collation
sqlite3_stmt* comandoEscape = nullptr;  // LIKE ... ESCAPE

// Val is never NaN and reads back what CStr writes (15 significant digits,
// "." for the locale's separator); CDbl and CInt raise only errors 13 and 6.
void fuzz_val(const uint8_t* data, size_t size)
{
    const QString texto = QString::fromUtf8(Entrada(data, size, k64K));
    for (const char* locale : {"pt_BR", "en_US"}) {
        DefinirLocaleUsuario(QLocale(QString::fromLatin1(locale)));
        const double n = Val(texto);
        Confere(!std::isnan(n));
        if (std::isfinite(n))
            Confere(std::fabs(Val(CStr(Variant::Double(n)).replace(SeparadorDecimal(), QStringLiteral("."))) - n) <=
                    1e-14 * std::fabs(n));
        try {
            CStr(Variant::Double(CDbl(texto)));
            CInt(texto);
        } catch (const VbError& erro) {
            Confere(erro.Number() == vb_error::TypeMismatch || erro.Number() == vb_error::Overflow);
        }
    }
}

// IsDate agrees with LerData, and a date read is written and read back
// unchanged; the first 8 bytes also go in as a serial (only error 6).
void fuzz_data(const uint8_t* data, size_t size)
{
    const QString texto = QString::fromUtf8(Entrada(data, size, k64K));
    const auto lida = LerData(texto);
    Confere(lida.has_value() == IsDate(texto));
    if (lida) {
        const auto relida = LerData(Format(*lida, QStringLiteral("dd/mm/yyyy hh:mm:ss")));
        Confere(relida && relida->date() == lida->date() && relida->time() == lida->time());
    }
    for (const char* mascara : {"dd/mm/yyyy", "yyyymmdd 00:00", "yyyymmdd 23:59"})
        Format(texto, QString::fromLatin1(mascara));
    if (size < sizeof(double))
        return;
    double serial = 0;
    std::memcpy(&serial, data, sizeof serial);
    try {
        Format(CDate(Variant::Double(serial)), QStringLiteral("dd/mm/yyyy hh:mm:ss"));
        Format(Variant::Double(serial), QStringLiteral("###0.00"));
    } catch (const VbError& erro) {
        Confere(erro.Number() == vb_error::Overflow);
    }
}

// SQL Server gets the text unchanged; SQLite and Firebird the same text, as
// many quotes, never shorter, unchanged without eight digits in a row, and
// a second pass changes nothing.
void fuzz_dialetosql(const uint8_t* data, size_t size)
{
    static const QRegularExpression oitoDigitos(QStringLiteral("[0-9]{8}"));
    const QString sql = QString::fromUtf8(Entrada(data, size, k64K));
    const QString sqlite = TraduzSql(Backend::Sqlite, sql);
    Confere(TraduzSql(Backend::Odbc, sql) == sql && TraduzSql(Backend::Firebird, sql) == sqlite);
    Confere(sqlite.count(u'\'') == sql.count(u'\'') && sqlite.size() >= sql.size());
    Confere(sql.contains(oitoDigitos) || sqlite == sql);
    Confere(TraduzSql(Backend::Sqlite, sqlite) == sqlite);
}

// Keys come out trimmed and not empty; an OLE DB string becomes an ODBC
// string from which the same server, database, login and password are read
// back; any other string goes to ODBC unchanged.
void fuzz_dialetoconexao(const uint8_t* data, size_t size)
{
    const QString texto = QString::fromUtf8(Entrada(data, size, k64K));
    const ParesDeConexao pares = LerPares(texto);
    for (const auto& par : pares)
        Confere(!par.first.isEmpty() && par.first == par.first.trimmed());
    LerConexaoFirebird(texto);
    const QString odbc = ConexaoOdbc(texto);
    if (ValorDoPar(pares, {QStringLiteral("Provider")}).isEmpty())
        return Confere(odbc == texto);
    const ParesDeConexao lidos = LerPares(odbc);
    Confere(lidos.size() == 5 && ValorDoPar(lidos, {QStringLiteral("driver")}) == QLatin1String("SQL Server"));
    const std::pair<const char*, QStringList> mapa[] = {
        {"server", {"Server", "Data Source", "Address", "Addr"}},
        {"database", {"Database", "Initial Catalog"}},
        {"uid", {"Uid", "User ID"}},
        {"pwd", {"Password", "PWD"}},
    };
    for (const auto& [chaveOdbc, chavesOleDb] : mapa)
        Confere(ValorDoPar(lidos, {QString::fromLatin1(chaveOdbc)}) == ValorDoPar(pares, chavesOleDb));
    Confere(SenhaOdbc(odbc) == ValorDoPar(pares, mapa[3].second));
}

// A path maps or raises error 52; a path on drive C: never leaves its folder.
void fuzz_caminho(const uint8_t* data, size_t size)
{
    const QString caminho = QString::fromUtf8(Entrada(data, size, kCaminhoMaisLongo));
    try {
        const QString local = CaminhoLocal(caminho);
        Confere(!caminho.startsWith(QLatin1String("c:"), Qt::CaseInsensitive) || local == drive->path() ||
                local.startsWith(drive->path() + u'/'));
    } catch (const VbError& erro) {
        Confere(erro.Number() == vb_error::BadFileName);
    }
}

// No line holds a line end; no more lines than line ends, plus the last.
void fuzz_lerlinhas(const uint8_t* data, size_t size)
{
    const QByteArray bytes = Entrada(data, size, kUmMega);
    QFile file(drive->path() + QStringLiteral("/server.ini"));
    Confere(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    file.close();
    const QStringList linhas = LerLinhas(QStringLiteral("c:\\SERVER.INI"), 1 << 30);
    Confere(linhas.size() <= bytes.count('\r') + bytes.count('\n') + 1);
    for (const QString& linha : linhas)
        Confere(!linha.contains(u'\r') && !linha.contains(u'\n'));
}

// casa[j]: the pattern so far matches the first j characters of the text.
bool likeDeReferencia(QStringView texto, QStringView padrao, QChar escape)
{
    std::vector<char> casa(texto.size() + 1, 0);
    casa[0] = 1;
    for (qsizetype p = 0; p < padrao.size(); ++p) {
        const bool literal = !escape.isNull() && padrao[p] == escape && p + 1 < padrao.size();
        const QChar c = literal ? padrao[++p] : padrao[p];
        std::vector<char> proximo(texto.size() + 1, 0);
        for (qsizetype j = 0; j <= texto.size(); ++j) {
            if (!literal && c == u'%')
                proximo[j] = casa[j] || (j > 0 && proximo[j - 1]);
            else if (j > 0 && casa[j - 1])
                proximo[j] = (!literal && c == u'_') || c.toCaseFolded() == texto[j - 1].toCaseFolded();
        }
        casa.swap(proximo);
    }
    return casa[texto.size()];
}

// The bytes as CombinaLike gets them; `valido` goes false when they are not UTF-8.
QString utf8(const std::string& bytes, bool& valido)
{
    const QByteArrayView vista(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder decodificador(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString conferido = decodificador.decode(vista);
    valido = valido && !decodificador.hasError();
    return QString::fromUtf8(vista);
}

void liga(sqlite3_stmt* comando, int posicao, const std::string& bytes)
{
    sqlite3_bind_text(comando, posicao, bytes.data(), static_cast<int>(bytes.size()), SQLITE_STATIC);
}

// CombinaLike agrees with a plain table-driven matcher; SQL's LIKE gives what
// CombinaLike gives; the collation orders any two texts one way only, and
// ignores trailing blanks and ASCII case.
void fuzz_sqlitetexto(const uint8_t* data, size_t size)
{
    FuzzedDataProvider entrada(data, size);
    const std::string escape = entrada.ConsumeRandomLengthString(4);
    const std::string padrao = entrada.ConsumeRandomLengthString();
    const std::string texto = entrada.ConsumeRemainingBytesAsString();
    bool valido = true;  // SQLite reads the bytes as UTF-8: it agrees only on valid UTF-8
    const QString padraoQt = utf8(padrao, valido);
    const QString textoQt = utf8(texto, valido);
    const QString escapeQt = utf8(escape, valido);
    const QChar umEscape = escapeQt.size() == 1 ? escapeQt[0] : QChar();
    const bool casaSemEscape = CombinaLike(textoQt, padraoQt);
    const bool casaComEscape = CombinaLike(textoQt, padraoQt, umEscape);
    Confere(textoQt.size() * padraoQt.size() > (1 << 20) ||
            (casaSemEscape == likeDeReferencia(textoQt, padraoQt, QChar()) &&
             casaComEscape == likeDeReferencia(textoQt, padraoQt, umEscape)));

    // "?1 like ?2" is the text ?1 against the pattern ?2.
    liga(comandoLike, 1, texto);
    liga(comandoLike, 2, padrao);
    Confere(sqlite3_step(comandoLike) == SQLITE_ROW);
    Confere(!valido || sqlite3_column_int(comandoLike, 0) == casaSemEscape);
    Confere(sqlite3_column_int(comandoLike, 1) + sqlite3_column_int(comandoLike, 2) +
                    sqlite3_column_int(comandoLike, 3) ==
                1 &&
            sqlite3_column_int(comandoLike, 4) == 1 && sqlite3_column_int(comandoLike, 5) == 1);
    sqlite3_reset(comandoLike);

    // An ESCAPE of other than one character is an error of the statement.
    liga(comandoEscape, 1, texto);
    liga(comandoEscape, 2, padrao);
    liga(comandoEscape, 3, escape);
    const int passo = sqlite3_step(comandoEscape);
    Confere(!valido || passo == (escapeQt.size() == 1 ? SQLITE_ROW : SQLITE_ERROR));
    Confere(!valido || passo != SQLITE_ROW || sqlite3_column_int(comandoEscape, 0) == casaComEscape);
    sqlite3_reset(comandoEscape);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    drive = new QTemporaryDir;
    QDir(drive->path()).mkpath(QStringLiteral("Korva/Config"));
    QDir(drive->path()).mkpath(QStringLiteral("korva/RELATORIOS"));
    qputenv("PANTORO_DRIVE_C", drive->path().toLocal8Bit());
    // Relative paths are looked up here too: a small folder, not the caller's.
    QDir::setCurrent(drive->path());
    Confere(sqlite3_open(":memory:", &banco) == SQLITE_OK);
    RegistraTextoSqlite(banco);
    Confere(sqlite3_prepare_v2(banco,
                               "select ?1 like ?2, (?1 collate nocase) = ?2, (?1 collate nocase) < ?2, "
                               "(?2 collate nocase) < ?1, (?1 collate nocase) = ?1 || '  ', "
                               "(?1 collate nocase) = upper(?1)",
                               -1, &comandoLike, nullptr) == SQLITE_OK);
    Confere(sqlite3_prepare_v2(banco, "select ?1 like ?2 escape ?3", -1, &comandoEscape, nullptr) == SQLITE_OK);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PANTORO_FUZZ_ALVO(data, size);
    return 0;
}
