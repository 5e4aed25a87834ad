#include "Consultas.h"

#include "shared/Funcoes.h"
#include "shared/TextoSql.h"
#include "platform/Conversions.h"
#include "startup/Ambiente.h"

namespace {

enum class SeNulo { Devolve, NaoEncontrado };

// Opens `sql` upper-cased and reads `coluna` of the first row; `naoEncontrado`
// without rows (and for a null column where the lookup is null-safe).
Variant PrimeiroValor(const QString& sql, const QString& coluna, const Variant& naoEncontrado,
                      SeNulo seNulo = SeNulo::Devolve)
{
    Recordset rs = AbreConsultaMaiuscula(sql);
    Variant valor = rs.Eof() ? naoEncontrado : rs.Fields(coluna);
    if (valor.IsNull() && seNulo == SeNulo::NaoEncontrado)
        valor = naoEncontrado;
    rs.Close();
    return valor;
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
    return CStr(PrimeiroValor(f.Sql, coluna, Variant(QStringLiteral("0"))));
}

}  // namespace

Variant NomeCliente(QString& idCliente)
{
    if (idCliente.isEmpty())
        idCliente = QStringLiteral("0");
    return PrimeiroValor(QStringLiteral("select pess.nome_pess ") + QStringLiteral("from clie, pess ")
                             + QStringLiteral("where pess.idpess = clie.idpess ")
                             + QStringLiteral("and clie.idclie = '") + DobraAspas(idCliente) + QStringLiteral("'"),
                         QStringLiteral("NOME_PESS"), NomeNaoEncontrado);
}

Variant IdMarca(QString& descricao)
{
    return PrimeiroValor(QStringLiteral("select idmarc from marc where desc_marc='") + DobraAspas(descricao)
                             + QStringLiteral("'"),
                         QStringLiteral("idmarc"), IdNaoEncontrado);
}

Variant IdMarcaProduto(QString& idProduto)
{
    return PrimeiroValor(QStringLiteral("select idmarc from prod where idprod='") + DobraAspas(Trim(idProduto))
                             + QStringLiteral("'"),
                         QStringLiteral("idmarc"), IdNaoEncontrado, SeNulo::NaoEncontrado);
}

Variant IdProduto(QString& codigo)
{
    return PrimeiroValor(QStringLiteral("select idprod from prod where codi_prod='") + DobraAspas(codigo)
                             + QStringLiteral("'"),
                         QStringLiteral("idProd"), IdNaoEncontrado);
}

Variant DescontoPedido(QString& numeroPedido)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql2 = QStringLiteral("SELECT VALO_DECT ");
    f.Sql2 += QStringLiteral("From pedi_veds ");
    f.Sql2 += QStringLiteral("Where nume_pedi = '") + DobraAspas(Trim(numeroPedido)) + QStringLiteral("'");
    // The one lookup sent as written, not upper-cased.
    Recordset rs = AbreConsulta(f.Sql2, adLockBatchOptimistic);
    const Variant valor = rs.Eof() ? IdNaoEncontrado : rs.Fields(QStringLiteral("VALO_DECT"));
    rs.Close();
    return valor;
}

Variant IdTipoCliente(QString& descricao)
{
    return PrimeiroValor(QStringLiteral("select idtipo_clie from tipo_clie where desc_tipo_clie='")
                             + DobraAspas(descricao) + QStringLiteral("'"),
                         QStringLiteral("idtipo_clie"), IdNaoEncontrado);
}

Variant IdVendedor(QString& nomeCurto)
{
    return PrimeiroValor(QStringLiteral("select vend.idvend ") + QStringLiteral("from vend, pess ")
                             + QStringLiteral("where pess.idpess = vend.idpess ")
                             + QStringLiteral("and pess.nome_conh='") + DobraAspas(nomeCurto) + QStringLiteral("'"),
                         QStringLiteral("idvend"), IdNaoEncontrado);
}

Variant IdCliente(QString& nome)
{
    return PrimeiroValor(QStringLiteral("select clie.idclie ") + QStringLiteral("from clie, pess ")
                             + QStringLiteral("where pess.idpess = clie.idpess ")
                             + QStringLiteral("and pess.nome_pess='") + DobraAspas(nome) + QStringLiteral("'"),
                         QStringLiteral("idClie"), IdNaoEncontrado);
}

Variant DescProduto(QString& codigo)
{
    return PrimeiroValor(QStringLiteral("select desc_prod from prod where codi_prod='") + DobraAspas(Trim(codigo))
                             + QStringLiteral("'"),
                         QStringLiteral("Desc_PROD"), NomeNaoEncontrado);
}

Variant NomeVendedor(QString& idVendedor)
{
    VariaveisFuncoes& f = funcoes();
    f.Sql = QStringLiteral("select pess.nome_conh from pess, vend ");
    f.Sql += QStringLiteral("where ");
    f.Sql += QStringLiteral("pess.idpess = vend.idpess ");
    f.Sql += QStringLiteral("and vend.idvend = ") + idVendedor;
    return PrimeiroValor(f.Sql, QStringLiteral("NOME_CONH"), NomeNaoEncontrado);
}

Variant ParametroEmpresa(QString& nomeParametro)
{
    return PrimeiroValor(QStringLiteral("select * from empr_cnfg where nome_para='")
                             + DobraAspas(RTrim(nomeParametro)) + QStringLiteral("'"),
                         QStringLiteral("valo_para"), NomeNaoEncontrado, SeNulo::NaoEncontrado);
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
