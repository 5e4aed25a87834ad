#include "Consultas.h"

#include "platform/Conversions.h"
#include "platform/TextoSql.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

namespace {

enum class SeNulo { Devolve, NaoEncontrado };

// `coluna` of the first row of the open recordset, which it closes;
// `naoEncontrado` without rows (and for a null column where the lookup is null-safe).
Variant PrimeiroValor(Recordset rs, const QString& coluna, const Variant& naoEncontrado,
                      SeNulo seNulo = SeNulo::Devolve)
{
    Variant valor = rs.Eof() ? naoEncontrado : rs.Fields(coluna);
    if (valor.IsNull() && seNulo == SeNulo::NaoEncontrado)
        valor = naoEncontrado;
    rs.Close();
    return valor;
}

// The lookup's query opened in the upper-cased style.
Variant ValorMaiusculo(const QString& sql, const QString& coluna, const Variant& naoEncontrado,
                       SeNulo seNulo = SeNulo::Devolve)
{
    return PrimeiroValor(AbreConsultaMaiuscula(sql), coluna, naoEncontrado, seNulo);
}

const Variant IdNaoEncontrado = Variant::Long(0);
const Variant NomeNaoEncontrado = Variant(QString());

// The id of a person's role record (clie, vend ...) as text, "0" without one.
QString IdPapelPessoa(const QString& primeiroPedaco, const QString& coluna, const QString& idPessoa)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql = primeiroPedaco;
    f.Sql += QStringLiteral("where idpess = ") + idPessoa;
    if (f.MostraDesativados == QLatin1String("N") || f.MostraDesativados.isEmpty())
        f.Sql += QStringLiteral(" and data_desa is null");
    return CStr(ValorMaiusculo(f.Sql, coluna, Variant(QStringLiteral("0"))));
}

}  // namespace

Variant NomeCliente(QString& idCliente)
{
    if (idCliente.isEmpty())
        idCliente = QStringLiteral("0");
    const QString sql = QStringLiteral("select pess.nome_pess ") + QStringLiteral("from clie, pess ") +
                        QStringLiteral("where pess.idpess = clie.idpess ") + QStringLiteral("and clie.idclie = '") +
                        DobraAspas(idCliente) + QStringLiteral("'");
    return ValorMaiusculo(sql, QStringLiteral("NOME_PESS"), NomeNaoEncontrado);
}

Variant IdMarca(QString& descricao)
{
    const QString sql =
        QStringLiteral("select idmarc from marc where desc_marc='") + DobraAspas(descricao) + QStringLiteral("'");
    return ValorMaiusculo(sql, QStringLiteral("idmarc"), IdNaoEncontrado);
}

Variant IdMarcaProduto(QString& idProduto)
{
    const QString sql =
        QStringLiteral("select idmarc from prod where idprod='") + DobraAspas(Trim(idProduto)) + QStringLiteral("'");
    return ValorMaiusculo(sql, QStringLiteral("idmarc"), IdNaoEncontrado, SeNulo::NaoEncontrado);
}

Variant IdProduto(QString& codigo)
{
    const QString sql =
        QStringLiteral("select idprod from prod where codi_prod='") + DobraAspas(codigo) + QStringLiteral("'");
    return ValorMaiusculo(sql, QStringLiteral("idProd"), IdNaoEncontrado);
}

Variant DescontoPedido(QString& numeroPedido)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql2 = QStringLiteral("SELECT VALO_DECT ");
    f.Sql2 += QStringLiteral("From pedi_veds ");
    f.Sql2 += QStringLiteral("Where nume_pedi = '") + DobraAspas(Trim(numeroPedido)) + QStringLiteral("'");
    // The one lookup sent as written, not upper-cased.
    return PrimeiroValor(AbreConsulta(f.Sql2, adLockBatchOptimistic), QStringLiteral("VALO_DECT"), IdNaoEncontrado);
}

Variant IdTipoCliente(QString& descricao)
{
    const QString sql = QStringLiteral("select idtipo_clie from tipo_clie where desc_tipo_clie='") +
                        DobraAspas(descricao) + QStringLiteral("'");
    return ValorMaiusculo(sql, QStringLiteral("idtipo_clie"), IdNaoEncontrado);
}

Variant IdVendedor(QString& nomeCurto)
{
    const QString sql = QStringLiteral("select vend.idvend ") + QStringLiteral("from vend, pess ") +
                        QStringLiteral("where pess.idpess = vend.idpess ") + QStringLiteral("and pess.nome_conh='") +
                        DobraAspas(nomeCurto) + QStringLiteral("'");
    return ValorMaiusculo(sql, QStringLiteral("idvend"), IdNaoEncontrado);
}

Variant IdCliente(QString& nome)
{
    const QString sql = QStringLiteral("select clie.idclie ") + QStringLiteral("from clie, pess ") +
                        QStringLiteral("where pess.idpess = clie.idpess ") + QStringLiteral("and pess.nome_pess='") +
                        DobraAspas(nome) + QStringLiteral("'");
    return ValorMaiusculo(sql, QStringLiteral("idClie"), IdNaoEncontrado);
}

Variant DescProduto(QString& codigo)
{
    const QString sql =
        QStringLiteral("select desc_prod from prod where codi_prod='") + DobraAspas(Trim(codigo)) + QStringLiteral("'");
    return ValorMaiusculo(sql, QStringLiteral("Desc_PROD"), NomeNaoEncontrado);
}

Variant NomeVendedor(QString& idVendedor)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("select pess.nome_conh from pess, vend ");
    f.Sql += QStringLiteral("where ");
    f.Sql += QStringLiteral("pess.idpess = vend.idpess ");
    f.Sql += QStringLiteral("and vend.idvend = ") + idVendedor;
    return ValorMaiusculo(f.Sql, QStringLiteral("NOME_CONH"), NomeNaoEncontrado);
}

Variant ParametroEmpresa(QString& nomeParametro)
{
    const QString sql = QStringLiteral("select * from empr_cnfg where nome_para='") + DobraAspas(RTrim(nomeParametro)) +
                        QStringLiteral("'");
    return ValorMaiusculo(sql, QStringLiteral("valo_para"), NomeNaoEncontrado, SeNulo::NaoEncontrado);
}

QString IdClientePessoa(const QString& idPessoa)
{
    return IdPapelPessoa(QStringLiteral("select idclie from clie "), QStringLiteral("idClie"), idPessoa);
}

QString IdMotoristaPessoa(const QString& idPessoa)
{
    return IdPapelPessoa(QStringLiteral("select idmoto from moto "), QStringLiteral("idMoto"), idPessoa);
}

QString IdTransportadoraPessoa(const QString& idPessoa)
{
    return IdPapelPessoa(QStringLiteral("select idtrpt from trpt "), QStringLiteral("idTRPT"), idPessoa);
}

QString IdVendedorPessoa(const QString& idPessoa)
{
    return IdPapelPessoa(QStringLiteral("select idvend from vend "), QStringLiteral("idvend"), idPessoa);
}

QString IdFornecedorPessoa(const QString& idPessoa)
{
    return IdPapelPessoa(QStringLiteral("select idforn from forn "), QStringLiteral("idForn"), idPessoa);
}

QString IdDecoradorPessoa(const QString& idPessoa)
{
    return IdPapelPessoa(QStringLiteral("select iddeco from deco "), QStringLiteral("idDeco"), idPessoa);
}

QString IdArquitetoPessoa(const QString& idPessoa)
{
    return IdPapelPessoa(QStringLiteral("select idarqt from arqt "), QStringLiteral("idArqt"), idPessoa);
}
