#include "EmpresaGrande.h"

#include "platform/VbError.h"

#include <QDate>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr int Clientes = 3000;
constexpr int Vendedores = 60;
constexpr int Produtos = 400;
constexpr int Marcas = 10;
constexpr int Tipos = 5;
constexpr int ItensPorPedidoMinimo = 5;
constexpr int ItensPorPedidoMaximo = 15;  // 10 per order on average

const QString Conexao = QStringLiteral("pantoro-empresa-grande");

class Gerador {
public:
    explicit Gerador(QSqlDatabase banco) : banco_(std::move(banco)), sorteio_(20240501) {}

    void executa(const QString& sql)
    {
        QSqlQuery comando(banco_);
        if (!comando.exec(sql))
            falha(comando);
    }

    // One prepared insert run for every row `linha` fills.
    template <typename Preenche>
    void insere(const QString& tabela, const QStringList& colunas, int linhas, Preenche preenche)
    {
        QSqlQuery comando(banco_);
        QStringList marcas;
        for (int i = 0; i < colunas.size(); ++i)
            marcas << QStringLiteral("?");
        if (!comando.prepare(QStringLiteral("insert into ") + tabela + QStringLiteral(" (") +
                             colunas.join(QLatin1Char(',')) + QStringLiteral(") values (") +
                             marcas.join(QLatin1Char(',')) + QLatin1Char(')')))
            falha(comando);
        for (int linha = 1; linha <= linhas; ++linha) {
            const QVariantList valores = preenche(linha);
            for (int i = 0; i < valores.size(); ++i)
                comando.bindValue(i, valores[i]);
            if (!comando.exec())
                falha(comando);
        }
    }

    int entre(int minimo, int maximo) { return std::uniform_int_distribution<int>(minimo, maximo)(sorteio_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(sorteio_) < p; }
    double centavos(int minimo, int maximo) { return entre(minimo * 100, maximo * 100) / 100.0; }

private:
    [[noreturn]] static void falha(const QSqlQuery& comando)
    {
        throw VbError(vb_error::PathFileAccess, comando.lastError().text());
    }

    QSqlDatabase banco_;
    std::mt19937 sorteio_;
};

// Three products in ten belong to the five banana sub-groups the vertical
// delivery layout lists, sold one or two boxes at a time: that layout's
// 16-bit column totals then hold over the whole year (past 32767 the run
// stops with an overflow, in both engines). The others are sub-group 6.
int subGrupo(int produto)
{
    return produto % 10 < 3 ? 1 + (produto / 10) % 5 : 6;
}

QString iso(const QDate& dia)
{
    return dia.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00");
}

void preenche(Gerador& g)
{
    g.insere(QStringLiteral("empr"),
             {QStringLiteral("idempr"), QStringLiteral("codi_empr"), QStringLiteral("nome_conh_empr")}, 1, [](int) {
                 return QVariantList{1, QStringLiteral("001"), QStringLiteral("BANANAS DO VALE")};
             });
    g.insere(QStringLiteral("empr_cnfg"),
             {QStringLiteral("idempr_cnfg"), QStringLiteral("idempr"), QStringLiteral("nome_para"),
              QStringLiteral("valo_para")},
             1, [](int) {
                 return QVariantList{1, 1, QStringLiteral("MODELO_PEDI_VEDS"), QStringLiteral("3")};
             });
    g.insere(QStringLiteral("tipo_clie"), {QStringLiteral("idtipo_clie"), QStringLiteral("desc_tipo_clie")}, Tipos,
             [](int i) {
                 return QVariantList{i, QStringLiteral("TIPO %1").arg(i)};
             });
    g.insere(QStringLiteral("marc"), {QStringLiteral("idmarc"), QStringLiteral("desc_marc")}, Marcas, [](int i) {
        return QVariantList{i, QStringLiteral("MARCA %1").arg(i)};
    });
    // Persons 1..3000 are the customers, 3001..3060 the salespeople.
    g.insere(QStringLiteral("pess"),
             {QStringLiteral("idpess"), QStringLiteral("nome_pess"), QStringLiteral("nome_conh"),
              QStringLiteral("idTipo_Clie")},
             Clientes + Vendedores, [&g](int i) {
                 if (i > Clientes)
                     return QVariantList{i, QStringLiteral("VENDEDOR %1").arg(i - Clientes),
                                         QStringLiteral("VEND%1").arg(i - Clientes), QVariant()};
                 return QVariantList{i, QStringLiteral("CLIENTE %1 COMÉRCIO DE FRUTAS").arg(i),
                                     QStringLiteral("CLI%1").arg(i), g.entre(1, Tipos)};
             });
    g.insere(QStringLiteral("clie"), {QStringLiteral("idclie"), QStringLiteral("idpess")}, Clientes, [](int i) {
        return QVariantList{i, i};
    });
    g.insere(QStringLiteral("vend"), {QStringLiteral("idvend"), QStringLiteral("idpess")}, Vendedores, [](int i) {
        return QVariantList{i, Clientes + i};
    });
    g.insere(QStringLiteral("prod"),
             {QStringLiteral("idprod"), QStringLiteral("codi_prod"), QStringLiteral("desc_prod"),
              QStringLiteral("idmarc"), QStringLiteral("IDSUB0_GRUP"), QStringLiteral("data_desa")},
             Produtos, [&g](int i) {
                 return QVariantList{i,
                                     QStringLiteral("P%1").arg(i, 4, 10, QLatin1Char('0')),
                                     QStringLiteral("BANANA %1 CX").arg(i),
                                     g.entre(1, Marcas),
                                     subGrupo(i),
                                     g.chance(0.05) ? QVariant(iso(QDate(2023, 12, 1))) : QVariant()};
             });

    const QDate inicio(2024, 1, 1);
    const int dias = inicio.daysTo(QDate(2024, 12, 31)) + 1;
    QVector<int> itensDoPedido;
    g.insere(QStringLiteral("pedi_veds"),
             {QStringLiteral("idpedi_veds"), QStringLiteral("nume_pedi"), QStringLiteral("codi_empr"),
              QStringLiteral("data_pedi"), QStringLiteral("DATA_REAL_ENTG"), QStringLiteral("DATA_FECH"),
              QStringLiteral("idclie"), QStringLiteral("idvend"), QStringLiteral("VALO_DECT"),
              QStringLiteral("data_desa")},
             PedidosEmpresaGrande, [&](int i) {
                 // Orders spread evenly over the year, in id order.
                 const QDate dia = inicio.addDays(static_cast<qint64>(i - 1) * dias / PedidosEmpresaGrande);
                 return QVariantList{i,
                                     100000 + i,
                                     QStringLiteral("001"),
                                     iso(dia),
                                     iso(dia.addDays(g.entre(1, 3))),
                                     iso(dia.addDays(g.entre(0, 5))),
                                     g.entre(1, Clientes),
                                     g.entre(1, Vendedores),
                                     g.chance(0.3) ? g.centavos(0, 50) : 0.0,
                                     g.chance(0.02) ? QVariant(iso(dia.addDays(1))) : QVariant()};
             });
    const QStringList status{QStringLiteral("Verde"), QStringLiteral("Madura"), QStringLiteral("Colorida"), QString()};
    int pedido = 1;
    int restantes = g.entre(ItensPorPedidoMinimo, ItensPorPedidoMaximo);
    const int linhas = PedidosEmpresaGrande * (ItensPorPedidoMinimo + ItensPorPedidoMaximo) / 2;
    g.insere(QStringLiteral("pedi_veds_deta"),
             {QStringLiteral("idpedi_veds_deta"), QStringLiteral("idpedi_veds"), QStringLiteral("idprod"),
              QStringLiteral("QTDE"), QStringLiteral("VALO_UNIT"), QStringLiteral("VALO_DECT"),
              QStringLiteral("VALO_LIQU"), QStringLiteral("VALO_TOTA"), QStringLiteral("status_prod"),
              QStringLiteral("data_desa")},
             linhas, [&](int i) {
                 // The last orders take what is left, so the total is exact.
                 if (restantes == 0 && pedido < PedidosEmpresaGrande) {
                     ++pedido;
                     restantes = g.entre(ItensPorPedidoMinimo, ItensPorPedidoMaximo);
                 }
                 if (restantes > 0)
                     --restantes;
                 const int produto = g.entre(1, Produtos);
                 const int qtde = subGrupo(produto) <= 5 ? g.entre(1, 2) : g.entre(1, 50);
                 const double unitario = g.centavos(5, 120);
                 const double desconto = g.chance(0.2) ? g.centavos(0, 3) : 0.0;
                 const double liquido = unitario - desconto;
                 return QVariantList{i,
                                     pedido,
                                     produto,
                                     double(qtde),
                                     unitario,
                                     desconto,
                                     liquido,
                                     std::round(qtde * liquido * 100) / 100,
                                     status[g.entre(0, status.size() - 1)],
                                     g.chance(0.01) ? QVariant(iso(QDate(2024, 12, 31))) : QVariant()};
             });
}

}  // namespace

QStringList IndicesEmpresaGrande()
{
    return {QStringLiteral("create index pedi_veds_deta_pedido on pedi_veds_deta (idpedi_veds)"),
            QStringLiteral("create index pedi_veds_deta_produto on pedi_veds_deta (idprod)"),
            QStringLiteral("create index pedi_veds_numero on pedi_veds (nume_pedi)"),
            QStringLiteral("create index pedi_veds_emissao on pedi_veds (data_pedi)"),
            QStringLiteral("create index pedi_veds_entrega on pedi_veds (DATA_REAL_ENTG)"),
            QStringLiteral("create index pedi_veds_fechamento on pedi_veds (DATA_FECH)")};
}

void GeraEmpresaGrande(const QString& arquivo)
{
    {
        QSqlDatabase banco = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Conexao);
        banco.setDatabaseName(arquivo);
        if (!banco.open())
            throw VbError(vb_error::PathFileAccess, banco.lastError().text());
        Gerador gerador(banco);
        QFile esquema(QStringLiteral(PANTORO_DB_DIR "/schema-sqlite.sql"));
        if (!esquema.open(QIODevice::ReadOnly))
            throw VbError(vb_error::FileNotFound, esquema.fileName());
        gerador.executa(QStringLiteral("PRAGMA journal_mode = OFF"));
        gerador.executa(QStringLiteral("BEGIN"));
        QStringList linhas = QString::fromUtf8(esquema.readAll()).split(QLatin1Char('\n'));
        linhas.erase(
            std::remove_if(linhas.begin(), linhas.end(),
                           [](const QString& linha) { return linha.trimmed().startsWith(QLatin1String("--")); }),
            linhas.end());
        for (const QString& comando : linhas.join(QLatin1Char('\n')).split(QLatin1Char(';')))
            if (!comando.trimmed().isEmpty())
                gerador.executa(comando);
        preenche(gerador);
        for (const QString& indice : IndicesEmpresaGrande())
            gerador.executa(indice);
        gerador.executa(QStringLiteral("COMMIT"));
        gerador.executa(QStringLiteral("ANALYZE"));
        banco.close();
    }
    QSqlDatabase::removeDatabase(Conexao);
}
