#include "Ambiente.h"

#include "platform/Conversions.h"

Ambiente& ambiente()
{
    static Ambiente instancia;
    return instancia;
}

Connection& Conexao()
{
    Ambiente& a = ambiente();
    if (!a.conexao)
        a.conexao = std::make_unique<Connection>();
    return *a.conexao;
}

QString TituloRelease()
{
    return QStringLiteral("ERP KORVA - Tevrano - Release 2014.08.05");
}

Recordset AbreConsultaMaiuscula(const QString& sql)
{
    Recordset rs;
    rs.CursorLocation = adUseClient;
    rs.Open(UCase(sql), Conexao(), adOpenStatic, adLockBatchOptimistic);
    return rs;
}

Recordset AbreConsulta(const QString& sql, int lockType)
{
    Recordset rs;
    rs.CursorLocation = adUseClient;
    rs.Open(sql, Conexao(), adOpenStatic, lockType, adOptionUnspecified);
    return rs;
}

Variant Campo(int16_t n, QString& texto)
{
    if (texto.isEmpty())
        return Variant();
    const QString aparado = Trim(texto);
    if (!aparado.endsWith(u'^'))
        texto = aparado + u'^';

    QString campo;
    int inicio = 0;
    for (int i = 1; i <= n; ++i) {
        const int caret = texto.indexOf(u'^', inicio);
        if (caret < 0)
            return Variant(QStringLiteral("."));
        campo = texto.mid(inicio, caret - inicio);
        inicio = caret + 1;
    }
    return Variant(campo);
}
