#include "EmpresaAleatoria.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <optional>
#include <vector>

namespace {

class Sorteio {
public:
    explicit Sorteio(uint32_t semente) : gerador_(semente) {}
    explicit Sorteio(std::mt19937& gerador) : gerador_(gerador()) {}

    int entre(int minimo, int maximo) { return std::uniform_int_distribution<int>(minimo, maximo)(gerador_); }
    bool chance(double probabilidade) { return std::uniform_real_distribution<double>(0, 1)(gerador_) < probabilidade; }
    template <typename T>
    const T& um(const std::vector<T>& opcoes)
    {
        return opcoes[static_cast<size_t>(entre(0, static_cast<int>(opcoes.size()) - 1))];
    }

private:
    std::mt19937 gerador_;
};

QString texto(const std::optional<QString>& valor)
{
    if (!valor)
        return QStringLiteral("null");
    QString dobrado = *valor;
    dobrado.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + dobrado + QLatin1Char('\'');
}

QString numero(const std::optional<double>& valor)
{
    return valor ? QString::number(*valor, 'g', 15) : QStringLiteral("null");
}

QString inteiro(const std::optional<int>& valor)
{
    return valor ? QString::number(*valor) : QStringLiteral("null");
}

QString data(const std::optional<QDateTime>& valor)
{
    return valor ? texto(valor->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))) : QStringLiteral("null");
}

QString insere(const QString& tabela, const QStringList& colunas, const QStringList& valores)
{
    return QStringLiteral("insert into ") + tabela + QStringLiteral(" (") + colunas.join(QStringLiteral(", "))
        + QStringLiteral(") values (") + valores.join(QStringLiteral(", ")) + QLatin1Char(')');
}

const std::vector<QString> Pessoas{
    QStringLiteral("MERCADO SÃO JOÃO"), QStringLiteral("Quitanda D'Ávila"), QStringLiteral("josé da silva"),
    QStringLiteral("Açougue Irmãos"),   QStringLiteral("SUPER BOM PREÇO"),  QStringLiteral("maria"),
    QStringLiteral("ÉDEN FRUTAS"),      QStringLiteral("padaria central"),  QStringLiteral("CEASA Ltda"),
    QStringLiteral("Bia Frutas"),       QStringLiteral("TONHO BANANAS"),     QStringLiteral("Zé do Cacho")};
const std::vector<std::optional<QString>> Apelidos{
    QStringLiteral("ZECA"), QStringLiteral("Zeca"), QStringLiteral("joão"), QStringLiteral("ÁVILA"),
    QString(),              std::nullopt,           QStringLiteral("Bia"),  QStringLiteral("TONHO")};
const std::vector<std::optional<QString>> CodigosComCantos{
    QStringLiteral("BN01"), QStringLiteral("bn01"), QStringLiteral("BP01"),  QStringLiteral("BO01"),
    QStringLiteral("BM01"), QStringLiteral("BT01"), QStringLiteral("BP01 "), QStringLiteral("Bç01"),
    QStringLiteral("bç01"), QString(),              std::nullopt,            QStringLiteral("BT02")};
const std::vector<std::optional<QString>> Descricoes{
    QStringLiteral("BANANA NANICA CX"), QStringLiteral("Banana Prata Granel"), QStringLiteral("banana maçã kg"),
    QStringLiteral("BANANA OURO <CX>"), QStringLiteral("Banana da Terra & Cia"), std::nullopt, QString()};
const std::vector<std::optional<QString>> Status{
    QStringLiteral("Verde"),    QStringLiteral("VERDE"), QStringLiteral("verde"),   QStringLiteral("Madura"),
    QStringLiteral("madura"),   QStringLiteral("Colorida"), QStringLiteral("COLORIDA"), QStringLiteral("Passada"),
    QStringLiteral("Verde "),   QString(),               std::nullopt};
const std::vector<QString> Empresas{QStringLiteral("001"), QStringLiteral("001"), QStringLiteral("002"),
                                    QStringLiteral("abc")};

constexpr int ClientesPorEmpresa = 10;
constexpr int Vendedores = 5;

}  // namespace

QStringList ComandosEmpresaAleatoria(uint32_t semente, const PerfilEmpresa& perfil)
{
    Sorteio s(semente);
    const bool cantos = perfil.cantos;
    QStringList comandos;

    comandos << insere(QStringLiteral("empr"), {QStringLiteral("idempr"), QStringLiteral("codi_empr"),
                                                QStringLiteral("nome_conh_empr")},
                       {QStringLiteral("1"), texto(QStringLiteral("001")), texto(QStringLiteral("BANANAS & CIA"))});
    const std::vector<std::optional<QString>> modelos{QStringLiteral("3"), QStringLiteral("03"), QString(),
                                                      std::nullopt};
    if (const std::optional<QString>& modelo = s.um(modelos); modelo || s.chance(0.5))
        comandos << insere(QStringLiteral("empr_cnfg"),
                           {QStringLiteral("idempr_cnfg"), QStringLiteral("idempr"), QStringLiteral("nome_para"),
                            QStringLiteral("valo_para")},
                           {QStringLiteral("1"), QStringLiteral("1"), texto(QStringLiteral("MODELO_PEDI_VEDS")),
                            texto(modelo)});

    const QStringList tipos{QStringLiteral("Varejo"), QStringLiteral("ATACADÃO"), QStringLiteral("açougue")};
    for (int i = 0; i < tipos.size(); ++i)
        comandos << insere(QStringLiteral("tipo_clie"), {QStringLiteral("idtipo_clie"), QStringLiteral("desc_tipo_clie")},
                           {QString::number(i + 1), texto(tipos[i])});
    const QStringList marcas{QStringLiteral("PRATA FINA"), QStringLiteral("Marca Ç"), QStringLiteral("outra")};
    for (int i = 0; i < marcas.size(); ++i)
        comandos << insere(QStringLiteral("marc"), {QStringLiteral("idmarc"), QStringLiteral("desc_marc")},
                           {QString::number(i + 1), texto(marcas[i])});

    // Persons 1..12 are customers (some deactivated); 13.. are salespeople.
    const QStringList colunasPessoa{QStringLiteral("idpess"), QStringLiteral("nome_pess"), QStringLiteral("nome_conh"),
                                    QStringLiteral("idTipo_Clie")};
    for (int i = 0; i < static_cast<int>(Pessoas.size()); ++i) {
        comandos << insere(QStringLiteral("pess"), colunasPessoa,
                           {QString::number(i + 1), texto(Pessoas[i]), texto(s.um(Apelidos)),
                            inteiro(s.chance(0.8) ? std::optional<int>(s.entre(1, 3)) : std::nullopt)});
        comandos << insere(QStringLiteral("clie"), {QStringLiteral("idclie"), QStringLiteral("idpess"),
                                                    QStringLiteral("data_desa")},
                           {QString::number(i + 1), QString::number(i + 1),
                            data(s.chance(0.15) ? std::optional<QDateTime>(QDateTime(QDate(2024, 1, 2), QTime(0, 0)))
                                                : std::nullopt)});
    }
    for (int i = 0; i < Vendedores; ++i) {
        const int pessoa = static_cast<int>(Pessoas.size()) + i + 1;
        comandos << insere(QStringLiteral("pess"), colunasPessoa,
                           {QString::number(pessoa), texto(QStringLiteral("Vendedor %1").arg(i)),
                            texto(i == 0 ? std::optional<QString>(QStringLiteral("ZECA")) : s.um(Apelidos)),
                            QStringLiteral("null")});
        comandos << insere(QStringLiteral("vend"), {QStringLiteral("idvend"), QStringLiteral("idpess")},
                           {QString::number(i + 1), QString::number(pessoa)});
    }

    const int produtos = cantos ? 14 : 12;
    for (int i = 1; i <= produtos; ++i) {
        const std::optional<QString> codigo =
            cantos ? s.um(CodigosComCantos) : std::optional<QString>(QStringLiteral("P%1").arg(i, 3, 10, QLatin1Char('0')));
        const std::optional<int> subGrupo = s.chance(0.9) ? std::optional<int>(s.entre(1, 6)) : std::nullopt;
        const std::optional<int> marca = s.chance(0.85) ? std::optional<int>(s.entre(1, 3)) : std::nullopt;
        const bool desativado = s.chance(0.15);
        comandos << insere(QStringLiteral("prod"),
                           {QStringLiteral("idprod"), QStringLiteral("codi_prod"), QStringLiteral("desc_prod"),
                            QStringLiteral("idmarc"), QStringLiteral("IDSUB0_GRUP"), QStringLiteral("data_desa")},
                           {QString::number(i), texto(codigo), texto(s.um(Descricoes)), inteiro(marca),
                            inteiro(subGrupo),
                            data(desativado ? std::optional<QDateTime>(QDateTime(QDate(2024, 2, 1), QTime(0, 0)))
                                            : std::nullopt)});
    }

    int linha = 0;
    for (int pedido = 1; pedido <= perfil.pedidos; ++pedido) {
        const QDate dia = QDate(2024, 5, 1).addDays(s.entre(0, 40));
        const QTime hora = cantos && s.chance(0.15) ? QTime(10, 30) : QTime(0, 0);
        const QDateTime emissao(dia, hora);
        std::optional<int> numeroPedido = 1000 + pedido;
        if (cantos && pedido > 1 && s.chance(0.15))
            numeroPedido = 1000 + s.entre(1, pedido - 1);
        if (cantos && s.chance(0.04))
            numeroPedido = std::nullopt;
        std::optional<int> cliente = s.entre(1, ClientesPorEmpresa);
        if (s.chance(0.05))
            cliente = cantos ? std::nullopt : std::optional<int>(99);
        std::optional<int> vendedor = s.entre(1, Vendedores);
        if (s.chance(0.15))
            vendedor = std::nullopt;
        else if (s.chance(0.05))
            vendedor = 77;
        comandos << insere(
            QStringLiteral("pedi_veds"),
            {QStringLiteral("idpedi_veds"), QStringLiteral("nume_pedi"), QStringLiteral("codi_empr"),
             QStringLiteral("data_pedi"), QStringLiteral("DATA_REAL_ENTG"), QStringLiteral("DATA_FECH"),
             QStringLiteral("idclie"), QStringLiteral("idvend"), QStringLiteral("VALO_DECT"), QStringLiteral("data_desa")},
            {QString::number(pedido), inteiro(numeroPedido), texto(s.um(Empresas)), data(emissao),
             data(s.chance(0.8) ? std::optional<QDateTime>(emissao.addDays(s.entre(0, 3))) : std::nullopt),
             data(s.chance(0.7) ? std::optional<QDateTime>(emissao.addDays(s.entre(0, 5))) : std::nullopt),
             inteiro(cliente), inteiro(vendedor),
             numero(s.chance(0.8) ? std::optional<double>(s.entre(0, 2000) / 100.0) : std::nullopt),
             data(s.chance(0.1) ? std::optional<QDateTime>(emissao.addDays(1)) : std::nullopt)});

        const int itens = s.entre(0, 6);
        for (int i = 0; i < itens; ++i) {
            std::optional<double> qtde = s.entre(1, 30);
            if (cantos) {
                const int caso = s.entre(0, 19);
                if (caso < 3)
                    qtde = s.entre(0, 12) / 4.0 + (caso == 0 ? 0.3 : 0);
                else if (caso == 3)
                    qtde = std::nullopt;
                else if (caso == 4)
                    qtde = -s.entre(1, 3);
            }
            if (perfil.grandes && s.chance(0.3))
                qtde = s.entre(15000, 20000);
            auto valor = [&s]() {
                return s.chance(0.9) ? std::optional<double>(s.entre(0, 50000) / 100.0) : std::nullopt;
            };
            const int produto = s.chance(0.04) ? 999 : s.entre(1, produtos);
            comandos << insere(
                QStringLiteral("pedi_veds_deta"),
                {QStringLiteral("idpedi_veds_deta"), QStringLiteral("idpedi_veds"), QStringLiteral("idprod"),
                 QStringLiteral("QTDE"), QStringLiteral("VALO_UNIT"), QStringLiteral("VALO_DECT"),
                 QStringLiteral("VALO_LIQU"), QStringLiteral("VALO_TOTA"), QStringLiteral("status_prod"),
                 QStringLiteral("data_desa")},
                {QString::number(++linha), QString::number(pedido), QString::number(produto), numero(qtde),
                 numero(valor()), numero(valor()), numero(valor()), numero(valor()), texto(s.um(Status)),
                 data(s.chance(0.1) ? std::optional<QDateTime>(emissao.addDays(1)) : std::nullopt)});
        }
    }
    return comandos;
}

FiltroRelatorio FiltroAleatorio(std::mt19937& gerador, LayoutRelatorio layout)
{
    Sorteio s(gerador);
    FiltroRelatorio filtro;
    filtro.layout = layout;
    filtro.data = s.um(std::vector<DataRelatorio>{DataRelatorio::Emissao, DataRelatorio::Entrega,
                                                   DataRelatorio::Fechamento});
    const std::vector<std::pair<QString, QString>> periodos{
        {QStringLiteral("01/05/2024"), QStringLiteral("31/05/2024")},
        {QStringLiteral("01/05/2024"), QStringLiteral("31/05/2024")},
        {QStringLiteral("01/05/2024"), QStringLiteral("10/06/2024")},
        {QStringLiteral("01/05/2024"), QStringLiteral("10/06/2024")},
        {QStringLiteral("15/05/2024"), QStringLiteral("31/02/2024")},
        {QStringLiteral("01/01/2023"), QStringLiteral("31/12/2023")}};
    const auto& periodo = s.um(periodos);
    filtro.dtDe = periodo.first;
    filtro.dtAte = periodo.second;
    // Mostly no filter, so that most runs list orders.
    const QString nenhum;
    filtro.vendedor = s.um(std::vector<QString>{nenhum, nenhum, nenhum, nenhum, QStringLiteral(" zeca "),
                                                QStringLiteral("Bia"), QStringLiteral("NINGUÉM")});
    filtro.tipoCliente = s.um(std::vector<QString>{nenhum, nenhum, nenhum, nenhum, QStringLiteral("varejo"),
                                                   QStringLiteral("ATACADÃO")});
    filtro.cliente = s.um(std::vector<QString>{nenhum, nenhum, nenhum, nenhum, nenhum,
                                               QStringLiteral(" mercado são joão "), QStringLiteral("Quitanda D'Ávila")});
    filtro.marca = s.um(std::vector<QString>{QString(), QString(), QStringLiteral("prata fina"),
                                             QStringLiteral("MARCA ç")});
    filtro.tamanhoFonte = s.um(std::vector<int>{8, 10, 11, 12, 14, 9});
    filtro.codiEmpresa = s.um(std::vector<QString>{QStringLiteral("001"), QStringLiteral("001"), QStringLiteral("001"),
                                                   QStringLiteral("001"), QStringLiteral("ABC")});
    filtro.nomeEmpresa = QStringLiteral("BANANAS & CIA");
    filtro.tituloJanela = QStringLiteral("Pantoro");
    return filtro;
}
