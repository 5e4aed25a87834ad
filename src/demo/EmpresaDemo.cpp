#include "EmpresaDemo.h"

#include "GravadorDemo.h"
#include "Sorteio.h"
#include "TabelaDemo.h"
#include "platform/VbError.h"

#include <QDate>
#include <QFile>
#include <QVariant>

#include <array>
#include <cmath>
#include <cstdio>
#include <set>
#include <utility>
#include <vector>

namespace {

// Dates as the database keeps them: ISO text, or NULL for a null date.
// Written by hand: a date pattern took a tenth of the generation.
QVariant momento(const QDate& dia, int minutosDoDia = 0)
{
    if (!dia.isValid())
        return {};
    char texto[32];
    std::snprintf(texto, sizeof texto, "%04d-%02d-%02d %02d:%02d:00", dia.year(), dia.month(), dia.day(),
                  minutosDoDia / 60, minutosDoDia % 60);
    return QString::fromLatin1(texto);
}

// Optional text columns: NULL when there is nothing to say.
QVariant textoOuNulo(const QString& texto)
{
    return texto.isEmpty() ? QVariant() : QVariant(texto);
}

QVariant idOuNulo(int id)
{
    return id > 0 ? QVariant(id) : QVariant();
}

QVariant papel(int id, bool nulo)
{
    if (id > 0)
        return id;
    return nulo ? QVariant() : QVariant(0);
}

int digitoVerificador(const QString& digitos, int pesoInicial, int pesoMaximo)
{
    int soma = 0;
    int peso = pesoInicial;
    for (QChar c : digitos) {
        soma += c.digitValue() * peso;
        peso = peso == 2 ? pesoMaximo : peso - 1;
    }
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

QString cpf(Sorteio& sorteio)
{
    QString d = sorteio.digitos(9);
    d += QString::number(digitoVerificador(d, 10, 10));
    d += QString::number(digitoVerificador(d, 11, 11));
    return d.left(3) + u'.' + d.mid(3, 3) + u'.' + d.mid(6, 3) + u'-' + d.mid(9);
}

QString cnpj(Sorteio& sorteio)
{
    QString d = sorteio.digitos(8) + QStringLiteral("0001");
    d += QString::number(digitoVerificador(d, 5, 9));
    d += QString::number(digitoVerificador(d, 6, 9));
    return d.left(2) + u'.' + d.mid(2, 3) + u'.' + d.mid(5, 3) + u'/' + d.mid(8, 4) + u'-' + d.mid(12);
}

// Lower-case letters and digits only, for e-mail and site names.
QString nomeWeb(const QString& nome)
{
    QString texto;
    for (QChar c : nome.normalized(QString::NormalizationForm_D).toLower()) {
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            texto += c;
    }
    return texto;
}

// ---------------------------------------------------------------------------
// The catalogue of dados/*.tsv, as the generator uses it.

struct Cidade {
    QString nome;
    QString uf;
    QString ddd;
    int cepDe = 0;  // first five digits of the CEP range
    int cepAte = 0;
};

enum class Unidade { Caixa, Quilo, Bandeja, Penca, Duzia };

struct Produto {
    Unidade unidade = Unidade::Caixa;
    int precoCentavos = 0;
};

struct TipoCliente {
    int atividade = 0;  // of most customers of the type; 0: none
    int asVezes = 0;    // of some of them as well
};

// The persons' names as the tables give them; a null `sexo` is a company.
struct DadosPessoa {
    QString nome;
    QString conhecido;
    QChar sexo;
};

DadosPessoa dadosPessoa(const TabelaDemo& tabela, int linha)
{
    const QString sexo = tabela.texto(linha, "sexo");
    return {tabela.texto(linha, "nome"), tabela.texto(linha, "conhecido"), sexo.isEmpty() ? QChar() : sexo[0]};
}

Unidade unidade(const QString& nome)
{
    static const std::pair<const char*, Unidade> unidades[] = {{"cx", Unidade::Caixa},
                                                               {"kg", Unidade::Quilo},
                                                               {"bandeja", Unidade::Bandeja},
                                                               {"penca", Unidade::Penca},
                                                               {"duzia", Unidade::Duzia}};
    for (const auto& [texto, valor] : unidades) {
        if (nome == QLatin1String(texto))
            return valor;
    }
    throw VbError(vb_error::ItemNotFound,
                  QStringLiteral("Unidade desconhecida na tabela de produtos do demo: ") + nome);
}

// ---------------------------------------------------------------------------

struct Pessoa {
    int id = 0;
    DadosPessoa dados;
    const Cidade* cidade = nullptr;
    int tipoCliente = 0;
    QDate desativada;  // invalid while active
    // Ids in the role tables, 0 for none (no decorators or architects here).
    int clie = 0, trpt = 0, vend = 0, moto = 0, forn = 0;
    bool papeisNulos = false;  // role columns left NULL instead of 0
    std::vector<int> atividades;
    bool codigoExterno = false;  // usually known by an external code
};

struct Cliente {
    int id = 0;
    int peso = 1;
    QDate desativado;
    std::array<bool, 2> compraDe{};  // from the first company, from the second
    std::array<int, 2> vendedor{};   // usual salesperson per company, index into the salespeople
};

struct Vendedor {
    int id = 0;
    int empresa = 1;
    QDate desativado;
};

bool ativoEm(const QDate& desativado, const QDate& dia)
{
    return !desativado.isValid() || dia < desativado;
}

struct Item {
    int produto = 0;  // index into the products
    int situacao = 0;
    double quantidade = 0;
    int unitario = 0;  // cents
    int desconto = 0;  // cents per unit
    bool desativado = false;

    qint64 totalCentavos() const { return std::llround(quantidade * (unitario - desconto)); }
};

// ---------------------------------------------------------------------------

class Gerador {
public:
    Gerador(GravadorDemo& banco, const QDate& hoje) : banco_(banco), hoje_(hoje) {}

    void grava()
    {
        gravaEmpresas();
        gravaUsuarios();
        gravaCores();
        gravaTabelas();
        gravaProdutos();
        gravaPessoas();
        gravaPedidos();
    }

private:
    QString usuarioQualquer() { return usuariosAtivos_[sorteio_.entre(0, int(usuariosAtivos_.size()) - 1)]; }

    void gravaEmpresas()
    {
        // The columns after PATH_DANFE are the company's parameters.
        const QStringList& colunas = empresas_.colunas();
        int idParametro = 1;
        for (int i = 0; i < empresas_.linhas(); ++i) {
            banco_.insere("empr", {{"idempr", i + 1},
                                   {"codi_empr", empresas_.texto(i, "codi_empr")},
                                   {"nome_conh_empr", empresas_.texto(i, "nome_conh_empr")},
                                   {"PATH_DANFE", empresas_.texto(i, "PATH_DANFE")}});
            for (qsizetype c = colunas.indexOf(QStringLiteral("PATH_DANFE")) + 1; c < colunas.size(); ++c)
                banco_.insere("empr_cnfg", {{"idempr_cnfg", idParametro++},
                                            {"idempr", i + 1},
                                            {"nome_para", colunas[c]},
                                            {"valo_para", empresas_.texto(i, colunas[c])}});
        }
    }

    void gravaUsuarios()
    {
        const TabelaDemo usuarios("usuarios");
        for (int i = 0; i < usuarios.linhas(); ++i) {
            const QString nome = usuarios.texto(i, "usuario");
            const bool desativado = usuarios.marcada(i, "desativado");
            if (!desativado)
                usuariosAtivos_ << nome;
            banco_.insere("usen", {{"IDUSEN", i + 1},
                                   {"usen", nome},
                                   {"data_desa", desativado ? momento(hoje_.addDays(-400), 9 * 60) : QVariant()}});
        }
    }

    // Colour numbers as the suite keeps them: decimal text.
    void gravaCores()
    {
        const TabelaDemo cores("cores");
        for (int i = 0; i < cores.linhas(); ++i)
            banco_.insere("cor_sist", {{"idcor_sist", i + 1},
                                       {"DESC_COR_SIST", cores.texto(i, "DESC_COR_SIST")},
                                       {"CODI_BACK_0001", cores.texto(i, "CODI_BACK_0001")},
                                       {"CODI_FORE_0001", cores.texto(i, "CODI_FORE_0001")},
                                       {"CODI_BACK_0002", cores.texto(i, "CODI_BACK_0002")},
                                       {"CODI_FORE_0002", cores.texto(i, "CODI_FORE_0002")}});
    }

    void gravaTabelas()
    {
        for (int i = 0; i < tipos_.linhas(); ++i) {
            tiposCliente_.push_back(
                {atividades_.id(tipos_.texto(i, "atividade")), atividades_.id(tipos_.texto(i, "as_vezes"))});
            const bool desativado = tipos_.marcada(i, "desativado");
            banco_.insere("tipo_clie",
                          {{"idtipo_clie", i + 1},
                           {"desc_tipo_clie", tipos_.texto(i, "tipo")},
                           {"data_desa", desativado ? momento(hoje_.addDays(-700), 10 * 60) : QVariant()}});
        }
        for (int i = 0; i < marcas_.linhas(); ++i)
            banco_.insere("marc",
                          {{"idmarc", i + 1}, {"desc_marc", marcas_.texto(i, "marca")}, {"data_desa", QVariant()}});
        for (int i = 0; i < atividades_.linhas(); ++i) {
            const bool desativada = atividades_.marcada(i, "desativada");
            banco_.insere("ativ", {{"idativ", i + 1},
                                   {"desc_ativ", atividades_.texto(i, "atividade")},
                                   {"data_desa", desativada ? momento(hoje_.addDays(-900), 11 * 60) : QVariant()}});
        }
    }

    void gravaProdutos()
    {
        const TabelaDemo produtos("produtos");
        for (int i = 0; i < produtos.linhas(); ++i) {
            Produto p;
            p.unidade = unidade(produtos.texto(i, "unidade"));
            p.precoCentavos = qRound(produtos.texto(i, "preco").toDouble() * 100);
            const int procura = produtos.inteiro(i, "procura");
            banco_.insere("prod", {{"idprod", i + 1},
                                   {"codi_prod", produtos.texto(i, "codigo")},
                                   {"desc_prod", produtos.texto(i, "descricao")},
                                   {"idmarc", idOuNulo(marcas_.id(produtos.texto(i, "marca")))},
                                   {"IDSUB0_GRUP", produtos.inteiro(i, "subgrupo")},
                                   {"data_desa", procura > 0 ? QVariant() : momento(hoje_.addDays(-500), 15 * 60)}});
            produtos_.push_back(p);
            pesosProdutos_.push_back(procura);
        }
        const TabelaDemo situacoes("situacoes");
        for (int i = 0; i < situacoes.linhas(); ++i) {
            situacoes_ << situacoes.texto(i, "situacao");
            pesosSituacoes_.push_back(situacoes.inteiro(i, "peso"));
        }
    }

    // ---- persons and their roles

    static std::vector<Cidade> cidadesMarcadas(const TabelaDemo& cidades, const QString& coluna)
    {
        std::vector<Cidade> lista;
        for (int i = 0; i < cidades.linhas(); ++i) {
            if (cidades.marcada(i, coluna))
                lista.push_back({cidades.texto(i, "cidade"), cidades.texto(i, "uf"), cidades.texto(i, "ddd"),
                                 cidades.inteiro(i, "cep_de"), cidades.inteiro(i, "cep_ate")});
        }
        return lista;
    }

    Pessoa novaPessoa(const TabelaDemo& tabela, int linha, const std::vector<Cidade>& cidades)
    {
        Pessoa p;
        p.id = ++ultimaPessoa_;
        p.dados = dadosPessoa(tabela, linha);
        p.cidade = &cidades[sorteio_.entre(0, static_cast<int>(cidades.size()) - 1)];
        return p;
    }

    QString umDe(const QStringList& lista) { return lista[sorteio_.entre(0, int(lista.size()) - 1)]; }

    // A company's line or a person's mobile.
    QString telefone(const Pessoa& p)
    {
        const QString numero =
            sorteio_.digitosComo(p.dados.sexo.isNull() ? QStringLiteral("3###-####") : QStringLiteral("9####-####"));
        return QStringLiteral("(%1) %2").arg(p.cidade->ddd, numero);
    }

    void gravaPessoa(const Pessoa& p)
    {
        const bool juridica = p.dados.sexo.isNull();
        const QString& nome = p.dados.nome;
        const QString& conhecido = p.dados.conhecido;
        const QString& cidade = p.cidade->nome;
        const QString& uf = p.cidade->uf;
        const QString endereco = QStringLiteral("%1, %2").arg(umDe(ruas_)).arg(sorteio_.entre(10, 3999));
        const QString bairro = umDe(bairros_);
        const int prefixoCep = sorteio_.entre(p.cidade->cepDe, p.cidade->cepAte);
        const QString cep = QStringLiteral("%1-%2").arg(prefixoCep, 5, 10, QChar(u'0')).arg(sorteio_.digitos(3));
        const QString documento = sorteio_.chance(6) ? QString() : (juridica ? cnpj(sorteio_) : cpf(sorteio_));
        const QString inscricao = juridica
                                      ? (sorteio_.chance(15) ? QStringLiteral("ISENTO")
                                                             : sorteio_.digitosComo(QStringLiteral("###.###.###.###")))
                                      : sorteio_.digitosComo(QStringLiteral("##.###.###-#"));
        const QString fone1 = sorteio_.chance(5) ? QString() : telefone(p);
        const QString fone2 = sorteio_.chance(35) ? telefone(p) : QString();
        const QString fax = juridica && sorteio_.chance(12) ? telefone(p) : QString();
        const QString web = nomeWeb(conhecido.isEmpty() ? nome : conhecido);
        const QString email = sorteio_.chance(45)
                                  ? (juridica ? QStringLiteral("compras@") + web + QStringLiteral(".com.br")
                                              : web + QStringLiteral("@gmail.com"))
                                  : QString();
        const QString site =
            juridica && sorteio_.chance(25) ? QStringLiteral("www.") + web + QStringLiteral(".com.br") : QString();
        const QDate inclusao = hoje_.addDays(-sorteio_.entre(120, 2500));
        QDate aniversario;
        if (!juridica) {
            // Day, month, year: the order the first demo databases drew them in.
            const int dia = sorteio_.entre(1, 28);
            const int mes = sorteio_.entre(1, 12);
            aniversario = QDate(sorteio_.entre(1950, 2000), mes, dia);
        }
        const QString codigoExterno = p.codigoExterno && sorteio_.chance(80) ? sorteio_.digitos(5) : QString();

        banco_.insere("pess", {
                                  {"IDPESS", p.id},
                                  {"NOME_PESS", nome},
                                  {"NOME_CONH", textoOuNulo(conhecido)},
                                  {"PSFI_PSJU", juridica ? "J" : "F"},
                                  {"CPF0_CNPJ", textoOuNulo(documento)},
                                  {"RG00_IE00", inscricao},
                                  {"ENDE_COML_PESS", endereco},
                                  {"BAIR_COML_PESS", bairro},
                                  {"CIDA_COML_PESS", cidade},
                                  {"CEP0_COML_PESS", cep},
                                  {"UF00_COML_PESS", uf},
                                  {"ENDE_ENTG_PESS", endereco},
                                  {"BAIR_ENTG_PESS", bairro},
                                  {"CIDA_ENTG_PESS", cidade},
                                  {"CEP0_ENTG_PESS", cep},
                                  {"UF00_ENTG_PESS", uf},
                                  {"TELE_0001_PESS", textoOuNulo(fone1)},
                                  {"TELE_0002_PESS", textoOuNulo(fone2)},
                                  {"EMAI_PESS", textoOuNulo(email)},
                                  {"HTTP_PESS", textoOuNulo(site)},
                                  {"ENDE_COBR_PESS", textoOuNulo(juridica ? endereco : QString())},
                                  {"BAIR_COBR_PESS", textoOuNulo(juridica ? bairro : QString())},
                                  {"CIDA_COBR_PESS", textoOuNulo(juridica ? cidade : QString())},
                                  {"CEP0_COBR_PESS", textoOuNulo(juridica ? cep : QString())},
                                  {"UF00_COBR_PESS", textoOuNulo(juridica ? uf : QString())},
                                  {"FAX0_0001_PESS", textoOuNulo(fax)},
                                  {"FAX0_0002_PESS", QVariant()},
                                  {"DATA_ANIV", momento(aniversario)},
                                  {"SEXO", textoOuNulo(juridica ? QString() : QString(p.dados.sexo))},
                                  {"DATA_INCL", momento(inclusao, sorteio_.entre(8 * 60, 18 * 60 - 1))},
                                  {"USER_INCL", usuarioQualquer()},
                                  {"DATA_DESA", momento(p.desativada, 16 * 60)},
                                  {"USER_DESA", textoOuNulo(p.desativada.isValid() ? usuarioQualquer() : QString())},
                                  {"idCLIE", papel(p.clie, p.papeisNulos)},
                                  {"idTRPT", papel(p.trpt, p.papeisNulos)},
                                  {"idVEND", papel(p.vend, p.papeisNulos)},
                                  {"idMOTO", papel(p.moto, p.papeisNulos)},
                                  {"idDECO", papel(0, p.papeisNulos)},
                                  {"idFORN", papel(p.forn, p.papeisNulos)},
                                  {"idARQT", papel(0, p.papeisNulos)},
                                  {"PESS_CODI_EXTE", textoOuNulo(codigoExterno)},
                                  {"idTipo_Clie", idOuNulo(p.tipoCliente)},
                              });
        for (int atividade : p.atividades)
            banco_.insere("pess_ativ", {{"idpess_ativ", ++ultimaAtividade_}, {"idpess", p.id}, {"idativ", atividade}});

        const QVariant desativado = momento(p.desativada, 16 * 60);
        const QVariant quemDesativou = p.desativada.isValid() ? QVariant(usuarioQualquer()) : QVariant();
        const struct {
            const char* tabela;
            const char* chave;
            int id;
        } papeis[] = {{"clie", "idclie", p.clie},
                      {"trpt", "idtrpt", p.trpt},
                      {"vend", "idvend", p.vend},
                      {"moto", "idmoto", p.moto},
                      {"forn", "idforn", p.forn}};
        for (const auto& [tabela, chave, id] : papeis) {
            if (id <= 0)
                continue;
            banco_.insere(tabela,
                          {{chave, id}, {"idpess", p.id}, {"data_desa", desativado}, {"user_desa", quemDesativou}});
        }
    }

    int atividade(const TabelaDemo& tabela, int linha, const QString& coluna) const
    {
        return atividades_.id(tabela.texto(linha, coluna));
    }

    void gravaPessoas()
    {
        const TabelaDemo cidades("cidades");
        const std::vector<Cidade> cidadesClientes = cidadesMarcadas(cidades, "clientes");
        const std::vector<Cidade> cidadesVendedores = cidadesMarcadas(cidades, "vendedores");
        const std::vector<Cidade> cidadesDoVale = cidadesMarcadas(cidades, "vale");
        const TabelaDemo ruas("ruas");
        for (int i = 0; i < ruas.linhas(); ++i)
            ruas_ << ruas.texto(i, "rua");
        const TabelaDemo bairros("bairros");
        for (int i = 0; i < bairros.linhas(); ++i)
            bairros_ << bairros.texto(i, "bairro");

        std::array<std::vector<int>, 2> equipe;  // active and deactivated salespeople of each company
        const TabelaDemo vendedores("vendedores");
        for (int i = 0; i < vendedores.linhas(); ++i) {
            Pessoa p = novaPessoa(vendedores, i, cidadesVendedores);
            p.vend = i + 1;
            if (vendedores.marcada(i, "desativado"))
                p.desativada = hoje_.addDays(-45);
            const int empresa = empresas_.id(vendedores.texto(i, "empresa"));
            vendedores_.push_back({p.vend, empresa, p.desativada});
            equipe.at(empresa - 1).push_back(i);
            gravaPessoa(p);
        }

        int idForn = 0;
        const TabelaDemo fornecedores("fornecedores");
        for (int i = 0; i < fornecedores.linhas(); ++i) {
            Pessoa p = novaPessoa(fornecedores, i, cidadesDoVale);
            p.forn = ++idForn;
            p.atividades = {atividade(fornecedores, i, "atividade")};
            p.codigoExterno = true;
            gravaPessoa(p);
        }

        int idTrpt = 0;
        const TabelaDemo transportadoras("transportadoras");
        for (int i = 0; i < transportadoras.linhas(); ++i) {
            Pessoa p = novaPessoa(transportadoras, i, cidadesDoVale);
            p.trpt = ++idTrpt;
            p.atividades = {atividade(transportadoras, i, "atividade")};
            if (transportadoras.marcada(i, "desativada"))
                p.desativada = hoje_.addDays(-sorteio_.entre(200, 400));
            gravaPessoa(p);
        }

        const TabelaDemo motoristas("motoristas");
        for (int i = 0; i < motoristas.linhas(); ++i) {
            Pessoa p = novaPessoa(motoristas, i, cidadesDoVale);
            p.moto = i + 1;
            if (const int transporte = atividade(motoristas, i, "como_transportadora")) {
                p.trpt = ++idTrpt;
                p.atividades = {transporte};
            }
            gravaPessoa(p);
        }

        const TabelaDemo clientes("clientes");
        for (int i = 0; i < clientes.linhas(); ++i) {
            Pessoa p = novaPessoa(clientes, i, cidadesClientes);
            p.clie = i + 1;
            p.tipoCliente = tipos_.id(clientes.texto(i, "tipo"));
            p.codigoExterno = true;
            if (clientes.marcada(i, "desativado"))
                p.desativada = hoje_.addDays(-sorteio_.entre(20, 300));
            if (const int fornece = atividade(clientes, i, "como_fornecedor")) {
                p.forn = ++idForn;
                p.atividades.push_back(fornece);
            }
            const TipoCliente tipo = p.tipoCliente > 0 ? tiposCliente_[p.tipoCliente - 1] : TipoCliente{};
            if (!sorteio_.chance(10) && tipo.atividade > 0)
                p.atividades.push_back(tipo.atividade);
            if (const int outra = atividade(clientes, i, "outra_atividade"))
                p.atividades.push_back(outra);
            if (tipo.asVezes > 0 && sorteio_.chance(30))
                p.atividades.push_back(tipo.asVezes);

            Cliente cliente;
            cliente.id = p.clie;
            cliente.desativado = p.desativada;
            const int sorte = sorteio_.entre(1, 100);
            cliente.peso = sorte <= 70   ? sorteio_.entre(1, 5)
                           : sorte <= 95 ? sorteio_.entre(6, 12)
                                         : sorteio_.entre(15, 25);
            const int empresas = sorteio_.entre(1, 100);
            cliente.compraDe = {empresas <= 75, empresas > 60};
            for (int e = 0; e < 2; ++e) {
                const std::vector<int>& time = equipe[e];
                cliente.vendedor[e] = time[sorteio_.entre(0, static_cast<int>(time.size()) - 1)];
            }
            clientes_.push_back(cliente);
            gravaPessoa(p);
        }

        const TabelaDemo prospects("prospects");
        for (int i = 0; i < prospects.linhas(); ++i) {
            Pessoa p = novaPessoa(prospects, i, cidadesClientes);
            p.papeisNulos = true;
            p.atividades = {tiposCliente_.at(tipos_.id(prospects.texto(i, "tipo")) - 1).atividade};
            gravaPessoa(p);
        }
    }

    // ---- orders

    int pedidosDoDia(int empresa, const QDate& dia)
    {
        const int semana = dia.dayOfWeek();
        if (empresa == 1)
            return semana == Qt::Sunday     ? sorteio_.entre(1, 3)
                   : semana == Qt::Saturday ? sorteio_.entre(5, 9)
                                            : sorteio_.entre(10, 17);
        return semana == Qt::Sunday     ? sorteio_.entre(1, 2)
               : semana == Qt::Saturday ? sorteio_.entre(2, 5)
                                        : sorteio_.entre(5, 9);
    }

    int sorteiaCliente(int empresa, const QDate& dia)
    {
        std::vector<int> candidatos;
        std::vector<int> pesos;
        for (int i = 0; i < static_cast<int>(clientes_.size()); ++i) {
            const Cliente& c = clientes_[i];
            if (c.compraDe[empresa - 1] && ativoEm(c.desativado, dia)) {
                candidatos.push_back(i);
                pesos.push_back(c.peso);
            }
        }
        return candidatos[sorteio_.ponderado(pesos)];
    }

    QVariant sorteiaVendedor(const Cliente& cliente, int empresa, const QDate& dia)
    {
        if (sorteio_.chance(4))
            return {};
        const Vendedor& habitual = vendedores_[cliente.vendedor[empresa - 1]];
        if (ativoEm(habitual.desativado, dia))
            return habitual.id;
        std::vector<int> ativos;
        for (const Vendedor& v : vendedores_) {
            if (v.empresa == empresa && ativoEm(v.desativado, dia))
                ativos.push_back(v.id);
        }
        return ativos[sorteio_.entre(0, static_cast<int>(ativos.size()) - 1)];
    }

    double quantidade(Unidade unidade, bool grande)
    {
        switch (unidade) {
        case Unidade::Caixa:
            return sorteio_.entre(1, grande ? 40 : 12);
        case Unidade::Quilo:
            return sorteio_.entre(8, grande ? 240 : 60) * 0.25;
        case Unidade::Bandeja:
            return sorteio_.entre(5, grande ? 60 : 20);
        case Unidade::Penca:
            return sorteio_.entre(3, 30);
        case Unidade::Duzia:
            return sorteio_.entre(2, 20);
        }
        return 1;
    }

    std::vector<Item> itensDoPedido(int empresa, bool grande)
    {
        static const std::vector<int> pesosQuantidade{15, 25, 25, 18, 10, 7};
        const int quantos = sorteio_.ponderado(pesosQuantidade) + 1;
        std::vector<Item> itens;
        std::set<std::pair<int, int>> vistos;
        for (int i = 0; i < quantos; ++i) {
            Item item;
            item.produto = sorteio_.ponderado(pesosProdutos_);
            item.situacao = sorteio_.ponderado(pesosSituacoes_);
            if (!vistos.insert({item.produto, item.situacao}).second)
                continue;
            const Produto& p = produtos_[item.produto];
            item.quantidade = quantidade(p.unidade, grande);
            const int ajuste = sorteio_.entre(-6, 6) + (empresa == 2 ? 3 : 0);
            item.unitario = p.precoCentavos * (100 + ajuste) / 100;
            if (sorteio_.chance(15))
                item.desconto = qMin(sorteio_.entre(1, 20) * 10, item.unitario / 10);
            item.desativado = quantos > 1 && sorteio_.chance(2);
            itens.push_back(item);
        }
        return itens;
    }

    void gravaPedido(int empresa, const QDate& dia)
    {
        const Cliente& cliente = clientes_[sorteiaCliente(empresa, dia)];
        const QVariant vendedor = sorteiaVendedor(cliente, empresa, dia);
        const std::vector<Item> itens = itensDoPedido(empresa, cliente.peso >= 6);

        qint64 totalAtivo = 0;
        for (const Item& item : itens) {
            if (!item.desativado)
                totalAtivo += item.totalCentavos();
        }
        static const int percentuais[] = {2, 3, 5};
        const qint64 descontoCabecalho = sorteio_.chance(12) ? totalAtivo * percentuais[sorteio_.entre(0, 2)] / 100 : 0;
        const bool cancelado = sorteio_.chance(1);

        static const std::vector<int> pesosEntrega{20, 55, 20, 5};
        QDate entrega = dia.addDays(sorteio_.ponderado(pesosEntrega));
        if (entrega > hoje_ || cancelado || sorteio_.chance(3))
            entrega = QDate();
        static const std::vector<int> pesosFechamento{70, 25, 5};
        QDate fechamento =
            entrega.isValid() && sorteio_.chance(92) ? entrega.addDays(sorteio_.ponderado(pesosFechamento)) : QDate();
        if (fechamento > hoje_)
            fechamento = QDate();

        const int idPedido = ++ultimoPedido_;
        banco_.insere("pedi_veds",
                      {
                          {"idpedi_veds", idPedido},
                          {"nume_pedi", primeiroNumeroPedido + idPedido},
                          {"codi_empr", empresas_.texto(empresa - 1, "codi_empr")},
                          {"data_pedi", momento(dia)},
                          {"DATA_REAL_ENTG", momento(entrega, sorteio_.entre(6 * 60, 19 * 60 - 1))},
                          {"DATA_FECH", momento(fechamento, sorteio_.entre(17 * 60, 22 * 60 - 1))},
                          {"idclie", cliente.id},
                          {"idvend", vendedor},
                          {"VALO_DECT", static_cast<double>(descontoCabecalho) / 100.0},
                          {"data_desa", cancelado ? momento(dia, sorteio_.entre(9 * 60, 18 * 60 - 1)) : QVariant()},
                          {"user_desa", cancelado ? QVariant(usuarioQualquer()) : QVariant()},
                      });

        for (const Item& item : itens) {
            banco_.insere(
                "pedi_veds_deta",
                {
                    {"idpedi_veds_deta", ++ultimoItem_},
                    {"idpedi_veds", idPedido},
                    {"idprod", item.produto + 1},
                    {"QTDE", item.quantidade},
                    {"VALO_UNIT", item.unitario / 100.0},
                    {"VALO_DECT", item.desconto / 100.0},
                    {"VALO_LIQU", (item.unitario - item.desconto) / 100.0},
                    {"VALO_TOTA", static_cast<double>(item.totalCentavos()) / 100.0},
                    {"status_prod", situacoes_[item.situacao]},
                    {"data_desa", item.desativado ? momento(dia, sorteio_.entre(9 * 60, 18 * 60 - 1)) : QVariant()},
                    {"user_desa", item.desativado ? QVariant(usuarioQualquer()) : QVariant()},
                });
        }
    }

    void gravaPedidos()
    {
        for (QDate dia = hoje_.addMonths(-3).addDays(1); dia <= hoje_; dia = dia.addDays(1)) {
            for (int empresa = 1; empresa <= 2; ++empresa) {
                const int quantos = pedidosDoDia(empresa, dia);
                for (int i = 0; i < quantos; ++i)
                    gravaPedido(empresa, dia);
            }
        }
    }

    static constexpr int primeiroNumeroPedido = 10000;

    GravadorDemo& banco_;
    const QDate hoje_;
    Sorteio sorteio_{0x50A7D0E5EED5ULL};
    const TabelaDemo empresas_{"empresas"};
    const TabelaDemo atividades_{"atividades"};
    const TabelaDemo tipos_{"tipos_de_cliente"};
    const TabelaDemo marcas_{"marcas"};
    QStringList usuariosAtivos_;
    QStringList ruas_;
    QStringList bairros_;
    QStringList situacoes_;
    std::vector<int> pesosSituacoes_;
    std::vector<TipoCliente> tiposCliente_;
    std::vector<Produto> produtos_;
    std::vector<int> pesosProdutos_;
    std::vector<Cliente> clientes_;
    std::vector<Vendedor> vendedores_;
    int ultimaPessoa_ = 0;
    int ultimaAtividade_ = 0;
    int ultimoPedido_ = 0;
    int ultimoItem_ = 0;
};

// The schema's statements, compiled in; each ends with ";" at the end of a line.
QStringList esquema()
{
    QFile arquivo(QStringLiteral(":/demo/schema-sqlite.sql"));
    if (!arquivo.open(QIODevice::ReadOnly))
        throw VbError(vb_error::FileNotFound, QStringLiteral("Esquema do banco não encontrado: ") + arquivo.fileName());
    QStringList comandos;
    QString comando;
    for (const QString& linha : QString::fromUtf8(arquivo.readAll()).split(u'\n')) {
        if (linha.startsWith(QLatin1String("--")))
            continue;
        comando += linha + u'\n';
        if (linha.trimmed().endsWith(u';')) {
            comandos << comando;
            comando.clear();
        }
    }
    return comandos;
}

}  // namespace

void GeraEmpresaDemo(const QString& arquivo, const QDate& hoje)
{
    // The schema and the tables are compiled in; a static library needs its
    // resources pulled in by name.
    Q_INIT_RESOURCE(demo);
    const QStringList comandos = esquema();
    GravadorDemo banco(arquivo);
    for (const QString& comando : comandos)
        banco.executa(comando);
    Gerador(banco, hoje).grava();
    banco.conclui();
}
