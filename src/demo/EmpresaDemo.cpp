#include "EmpresaDemo.h"

#include "platform/VbError.h"

#include <QDateTime>
#include <QFile>
#include <QTime>
#include <QVariant>

#include <sqlite3.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Fixed-seed numbers (splitmix64): the same sequence on every platform and
// compiler, unlike the standard distributions.

class Sorteio {
public:
    explicit Sorteio(uint64_t semente) : estado_(semente) {}

    uint64_t proximo()
    {
        uint64_t z = (estado_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A whole number from `minimo` to `maximo`, both included.
    int entre(int minimo, int maximo)
    {
        return minimo + static_cast<int>(proximo() % static_cast<uint64_t>(maximo - minimo + 1));
    }

    bool chance(int porCento) { return entre(1, 100) <= porCento; }

    // An index into `pesos`, each index as likely as its weight.
    int ponderado(const std::vector<int>& pesos)
    {
        int total = 0;
        for (int peso : pesos)
            total += peso;
        int sorteado = entre(1, total);
        for (int i = 0; i < static_cast<int>(pesos.size()); ++i) {
            sorteado -= pesos[i];
            if (sorteado <= 0)
                return i;
        }
        return static_cast<int>(pesos.size()) - 1;
    }

    QString digitos(int quantos)
    {
        QString texto;
        for (int i = 0; i < quantos; ++i)
            texto += QChar(u'0' + entre(0, 9));
        return texto;
    }

private:
    uint64_t estado_;
};

// ---------------------------------------------------------------------------
// The database being written: one prepared INSERT per table and column list.
// An invalid QVariant is written as NULL.

using Coluna = std::pair<const char*, QVariant>;

class Gravador {
public:
    explicit Gravador(const QString& arquivo)
    {
        if (sqlite3_open_v2(QFile::encodeName(arquivo).constData(), &banco_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK)
            falha(QStringLiteral("Não foi possível criar o banco de demonstração ") + arquivo);
    }

    ~Gravador()
    {
        for (auto& [chave, comando] : comandos_)
            sqlite3_finalize(comando);
        sqlite3_close(banco_);
    }

    Gravador(const Gravador&) = delete;
    Gravador& operator=(const Gravador&) = delete;

    void executa(const QString& sql)
    {
        char* erro = nullptr;
        if (sqlite3_exec(banco_, sql.toUtf8().constData(), nullptr, nullptr, &erro) != SQLITE_OK) {
            const QString texto = QString::fromUtf8(erro);
            sqlite3_free(erro);
            throw VbError(vb_error::PathFileAccess, QStringLiteral("Banco de demonstração: ") + texto);
        }
    }

    void insere(const char* tabela, std::initializer_list<Coluna> colunas)
    {
        sqlite3_stmt* comando = comandoDe(tabela, colunas);
        int posicao = 1;
        for (const auto& [nome, valor] : colunas)
            liga(comando, posicao++, valor);
        if (sqlite3_step(comando) != SQLITE_DONE)
            falha(QStringLiteral("Falha ao gravar em ") + QString::fromLatin1(tabela));
        sqlite3_reset(comando);
        sqlite3_clear_bindings(comando);
    }

private:
    [[noreturn]] void falha(const QString& oQue) const
    {
        throw VbError(vb_error::PathFileAccess,
                      oQue + QStringLiteral(": ") + QString::fromUtf8(banco_ ? sqlite3_errmsg(banco_) : "sem memória"));
    }

    sqlite3_stmt* comandoDe(const char* tabela, std::initializer_list<Coluna> colunas)
    {
        QByteArray nomes;
        QByteArray marcas;
        for (const auto& coluna : colunas) {
            if (!nomes.isEmpty()) {
                nomes += ", ";
                marcas += ", ";
            }
            nomes += coluna.first;
            marcas += '?';
        }
        const QByteArray sql = "insert into " + QByteArray(tabela) + " (" + nomes + ") values (" + marcas + ")";
        auto achado = comandos_.find(sql);
        if (achado != comandos_.end())
            return achado->second;
        sqlite3_stmt* comando = nullptr;
        if (sqlite3_prepare_v2(banco_, sql.constData(), -1, &comando, nullptr) != SQLITE_OK)
            falha(QStringLiteral("Falha ao preparar ") + QString::fromLatin1(sql));
        comandos_.emplace(sql, comando);
        return comando;
    }

    void liga(sqlite3_stmt* comando, int posicao, const QVariant& valor)
    {
        int resultado = SQLITE_OK;
        switch (valor.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
            resultado = sqlite3_bind_int64(comando, posicao, valor.toLongLong());
            break;
        case QMetaType::Double:
            resultado = sqlite3_bind_double(comando, posicao, valor.toDouble());
            break;
        case QMetaType::QString: {
            const QByteArray texto = valor.toString().toUtf8();
            resultado = sqlite3_bind_text(comando, posicao, texto.constData(), texto.size(), SQLITE_TRANSIENT);
            break;
        }
        default:
            resultado = sqlite3_bind_null(comando, posicao);
            break;
        }
        if (resultado != SQLITE_OK)
            falha(QStringLiteral("Falha ao preparar um valor"));
    }

    sqlite3* banco_ = nullptr;
    std::map<QByteArray, sqlite3_stmt*> comandos_;
};

// ---------------------------------------------------------------------------
// Dates as the database keeps them: ISO text, or NULL for a null date.

QVariant momento(const QDate& dia, int minutosDoDia = 0)
{
    if (!dia.isValid())
        return {};
    return QDateTime(dia, QTime(0, 0).addSecs(minutosDoDia * 60)).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// Optional text columns: NULL when there is nothing to say.
QVariant textoOuNulo(const QString& texto)
{
    return texto.isEmpty() ? QVariant() : QVariant(texto);
}

QVariant papel(int id, bool nulo)
{
    if (id > 0)
        return id;
    return nulo ? QVariant() : QVariant(0);
}

// ---------------------------------------------------------------------------
// Catalogue of the demo company. Names are kept in capitals, as the suite
// stores them.

struct Cidade {
    const char* nome;
    const char* uf;
    const char* ddd;
    int cepDe;  // first five digits of the CEP range
    int cepAte;
};

const std::array<Cidade, 19> cidadesClientes{{
    {"SÃO PAULO", "SP", "11", 1000, 5999},
    {"GUARULHOS", "SP", "11", 7000, 7399},
    {"SANTO ANDRÉ", "SP", "11", 9000, 9299},
    {"SÃO BERNARDO DO CAMPO", "SP", "11", 9600, 9899},
    {"OSASCO", "SP", "11", 6000, 6299},
    {"JUNDIAÍ", "SP", "11", 13200, 13219},
    {"CAMPINAS", "SP", "19", 13000, 13139},
    {"SANTOS", "SP", "13", 11000, 11099},
    {"GUARUJÁ", "SP", "13", 11400, 11499},
    {"PRAIA GRANDE", "SP", "13", 11700, 11729},
    {"SOROCABA", "SP", "15", 18000, 18109},
    {"RIBEIRÃO PRETO", "SP", "16", 14000, 14109},
    {"SÃO JOSÉ DOS CAMPOS", "SP", "12", 12200, 12249},
    {"CURITIBA", "PR", "41", 80000, 82999},
    {"JOINVILLE", "SC", "47", 89200, 89239},
    {"BELO HORIZONTE", "MG", "31", 30000, 31999},
    {"RIO DE JANEIRO", "RJ", "21", 20000, 23799},
    {"NITERÓI", "RJ", "21", 24000, 24399},
    {"REGISTRO", "SP", "13", 11900, 11909},
}};

// The salespeople live in the first ones.
constexpr int cidadesDaGrandeSaoPaulo = 5;

const std::array<Cidade, 5> cidadesDoVale{{
    {"REGISTRO", "SP", "13", 11900, 11909},
    {"SETE BARRAS", "SP", "13", 11910, 11914},
    {"ELDORADO", "SP", "13", 11960, 11964},
    {"JUQUIÁ", "SP", "13", 11800, 11804},
    {"MIRACATU", "SP", "13", 11850, 11854},
}};

const std::array<const char*, 14> ruas{{
    "RUA DAS PALMEIRAS",
    "RUA SÃO BENTO",
    "AV. BRASIL",
    "RUA TIRADENTES",
    "RUA SETE DE SETEMBRO",
    "AV. DOM PEDRO II",
    "RUA JOSÉ BONIFÁCIO",
    "RUA DA CONSOLAÇÃO",
    "AV. GETÚLIO VARGAS",
    "RUA MARECHAL DEODORO",
    "RUA DOS BANDEIRANTES",
    "ESTRADA MUNICIPAL DO BANANAL",
    "RUA CEL. JOÃO LEME",
    "AV. DAS NAÇÕES",
}};

const std::array<const char*, 10> bairros{{
    "CENTRO",
    "VILA NOVA",
    "JARDIM AMÉRICA",
    "VILA MARIANA",
    "BOA VISTA",
    "SANTA CECÍLIA",
    "JARDIM PAULISTA",
    "VILA SÃO JOSÉ",
    "PARQUE INDUSTRIAL",
    "BELA VISTA",
}};

// Users: IDUSEN is the position from 1; the last one is deactivated.
const std::array<const char*, 5> usuarios{{"MARIA", "JOSE", "CLAUDIA", "ROBERTO", "SUPORTE"}};
constexpr int usuariosAtivos = 4;

// Customer types: idtipo_clie from 1; the sixth is deactivated.
const std::array<const char*, 6> tiposCliente{
    {"ATACADO", "SUPERMERCADO", "VAREJO", "FEIRANTE", "RESTAURANTE", "AMBULANTE"}};
enum TipoCliente { Atacado = 1, Supermercado, Varejo, Feirante, Restaurante };

const std::array<const char*, 4> marcas{{"TEVRANO", "VALE DO RIBEIRA", "SERRA VERDE", "BOA SAFRA"}};

// Activities: idativ from 1; the last one is deactivated.
const std::array<const char*, 10> atividades{{
    "COMÉRCIO ATACADISTA DE FRUTAS",
    "SUPERMERCADOS",
    "HORTIFRUTIGRANJEIROS",
    "RESTAURANTES E LANCHONETES",
    "FEIRA LIVRE",
    "PADARIAS E CONFEITARIAS",
    "PRODUÇÃO DE BANANA",
    "TRANSPORTE RODOVIÁRIO DE CARGAS",
    "EMBALAGENS",
    "EXPORTAÇÃO DE FRUTAS",
}};
enum Atividade {
    AtivAtacado = 1,
    AtivSupermercado,
    AtivHortifruti,
    AtivRestaurante,
    AtivFeira,
    AtivPadaria,
    AtivProducao,
    AtivTransporte,
    AtivEmbalagens
};

// The sub-groups of IDSUB0_GRUP.
enum SubGrupo { Nanica = 1, Maca = 2, Ouro = 3, Prata = 4, Terra = 5 };
enum class Unidade { Caixa, Quilo, Bandeja, Penca, Duzia };

struct ProdutoDemo {
    const char* codigo;
    const char* descricao;
    int subGrupo;
    int marca;  // 0: no brand
    Unidade unidade;
    int precoCentavos;
    int procura;  // weight in the orders
};

// idprod is the position from 1; the last product is deactivated and sold no more.
const std::array<ProdutoDemo, 31> produtos{{
    {"NAN001", "BANANA NANICA CX 20KG", Nanica, 1, Unidade::Caixa, 4800, 10},
    {"NAN002", "BANANA NANICA CX 13KG", Nanica, 1, Unidade::Caixa, 3400, 6},
    {"NAN003", "BANANA NANICA KG", Nanica, 2, Unidade::Quilo, 350, 6},
    {"NAN004", "BANANA NANICA CLIMATIZADA CX 20KG", Nanica, 3, Unidade::Caixa, 5600, 5},
    {"NAN005", "BANANA NANICA EXTRA CX 20KG", Nanica, 1, Unidade::Caixa, 5900, 4},
    {"NAN006", "BANANA NANICA PRIMEIRA CX 18KG", Nanica, 4, Unidade::Caixa, 4300, 4},
    {"NAN007", "BANANA NANICA PENCA", Nanica, 2, Unidade::Penca, 650, 3},
    {"NAN008", "BANANA NANICA SEGUNDA CX 20KG", Nanica, 4, Unidade::Caixa, 3600, 3},
    {"MAC001", "BANANA MAÇÃ CX 13KG", Maca, 1, Unidade::Caixa, 7200, 5},
    {"MAC002", "BANANA MAÇÃ EXTRA CX 13KG", Maca, 3, Unidade::Caixa, 8500, 3},
    {"MAC003", "BANANA MAÇÃ KG", Maca, 2, Unidade::Quilo, 690, 4},
    {"MAC004", "BANANA MAÇÃ BANDEJA 1KG", Maca, 3, Unidade::Bandeja, 790, 2},
    {"MAC005", "BANANA MAÇÃ PRIMEIRA CX 18KG", Maca, 4, Unidade::Caixa, 8900, 2},
    {"MAC006", "BANANA MAÇÃ PENCA", Maca, 2, Unidade::Penca, 1100, 2},
    {"OUR001", "BANANA OURO CX 13KG", Ouro, 1, Unidade::Caixa, 7800, 3},
    {"OUR002", "BANANA OURO KG", Ouro, 2, Unidade::Quilo, 890, 2},
    {"OUR003", "BANANA OURO BANDEJA 500G", Ouro, 3, Unidade::Bandeja, 590, 2},
    {"OUR004", "BANANA OURO EXTRA CX 13KG", Ouro, 0, Unidade::Caixa, 8600, 1},
    {"PRA001", "BANANA PRATA CX 20KG", Prata, 1, Unidade::Caixa, 6200, 9},
    {"PRA002", "BANANA PRATA CX 13KG", Prata, 1, Unidade::Caixa, 4400, 5},
    {"PRA003", "BANANA PRATA KG", Prata, 2, Unidade::Quilo, 490, 6},
    {"PRA004", "BANANA PRATA CLIMATIZADA CX 20KG", Prata, 3, Unidade::Caixa, 6900, 4},
    {"PRA005", "BANANA PRATA EXTRA CX 20KG", Prata, 4, Unidade::Caixa, 7300, 3},
    {"PRA006", "BANANA PRATA PENCA", Prata, 2, Unidade::Penca, 800, 3},
    {"PRA007", "BANANA PRATA ANÃ CX 20KG", Prata, 4, Unidade::Caixa, 6600, 2},
    {"TER001", "BANANA DA TERRA CX 20KG", Terra, 1, Unidade::Caixa, 8200, 4},
    {"TER002", "BANANA DA TERRA KG", Terra, 2, Unidade::Quilo, 650, 4},
    {"TER003", "BANANA DA TERRA EXTRA CX 20KG", Terra, 3, Unidade::Caixa, 9400, 2},
    {"TER004", "BANANA DA TERRA DÚZIA", Terra, 4, Unidade::Duzia, 1200, 2},
    {"TER005", "BANANA DA TERRA PENCA", Terra, 2, Unidade::Penca, 1500, 1},
    {"NAN009", "BANANA NANICA CX 22KG MADEIRA", Nanica, 1, Unidade::Caixa, 4100, 0},
}};

// Ripeness of an item line, stored in capitals; the empty text is "not told".
const std::array<const char*, 4> situacoes{{"VERDE", "MADURA", "COLORIDA", ""}};
const std::vector<int> pesosSituacoes{45, 30, 17, 8};

// sexo 0: a company (CNPJ); 'M' / 'F': a person (CPF).
struct PessoaDemo {
    const char* nome;
    const char* conhecido;  // nullptr: no known name
    char sexo;
};

struct ClienteDemo {
    PessoaDemo pessoa;
    int tipo;  // 0: no customer type
    bool desativado;
};

const std::array<ClienteDemo, 60> clientes{{
    {{"SUPERMERCADO CONCEIÇÃO LTDA", "SUPER CONCEIÇÃO", 0}, Supermercado, false},
    {{"HORTIFRUTI SÃO JOÃO LTDA ME", "HORTI SÃO JOÃO", 0}, Varejo, false},
    {{"JOSÉ CARLOS D'ÁVILA", "ZÉ D'ÁVILA", 'M'}, Feirante, false},
    {{"SACOLÃO BOM PREÇO LTDA", "SACOLÃO BOM PREÇO", 0}, Varejo, false},
    {{"MERCADO IRMÃOS TAKAHASHI LTDA", "MERCADO TAKAHASHI", 0}, Supermercado, false},
    {{"JOÃO BATISTA DOS SANTOS", "JOÃO DA FEIRA", 'M'}, Feirante, false},
    {{"DISTRIBUIDORA DE FRUTAS ALVORADA LTDA", "ALVORADA FRUTAS", 0}, Atacado, false},
    {{"COMERCIAL ARAÚJO & FILHOS LTDA", "ARAÚJO & FILHOS", 0}, Atacado, false},
    {{"MARIA DA CONCEIÇÃO FERREIRA", "DONA CONCEIÇÃO", 'F'}, Feirante, false},
    {{"RESTAURANTE SABOR CAIPIRA LTDA ME", "SABOR CAIPIRA", 0}, Restaurante, false},
    {{"PADARIA E CONFEITARIA NOSSA SENHORA DE FÁTIMA LTDA ME", "PADARIA FÁTIMA", 0}, Restaurante, false},
    {{"ANTÔNIO MARCOS DE OLIVEIRA", "TONHÃO", 'M'}, Feirante, false},
    {{"SUPERMERCADOS PÃO DOURADO S/A", "PÃO DOURADO", 0}, Supermercado, false},
    {{"EMPÓRIO VILA MARIANA LTDA", "EMPÓRIO VILA MARIANA", 0}, Varejo, false},
    {{"FRANCISCO DAS CHAGAS LIMA", "CHICO", 'M'}, Feirante, false},
    {{"CEREALISTA GUANABARA LTDA", "GUANABARA", 0}, Atacado, false},
    {{"QUITANDA DO JOAQUIM LTDA ME", "QUITANDA DO JOAQUIM", 0}, Varejo, false},
    {{"ANA PAULA GONÇALVES", "ANA PAULA", 'F'}, Feirante, false},
    {{"HIPERMERCADO ESTRELA DO SUL LTDA", "ESTRELA DO SUL", 0}, Supermercado, false},
    {{"SEBASTIÃO RIBEIRO NETO", "TIÃO", 'M'}, Feirante, false},
    {{"FRUTARIA PRIMAVERA LTDA", "FRUTARIA PRIMAVERA", 0}, Varejo, false},
    {{"RESTAURANTE E PIZZARIA BELLA NÁPOLI LTDA", "BELLA NÁPOLI", 0}, Restaurante, false},
    {{"LUCIANA APARECIDA MORAES", "LU", 'F'}, Feirante, false},
    {{"ATACADÃO DAS FRUTAS COMÉRCIO LTDA", "ATACADÃO DAS FRUTAS", 0}, Atacado, false},
    {{"MERCEARIA SANTA LUZIA LTDA ME", "MERCEARIA SANTA LUZIA", 0}, Varejo, false},
    {{"PEDRO HENRIQUE CASTRO", "PEDRÃO", 'M'}, Feirante, false},
    {{"SUPERMERCADO IRMÃOS GONÇALVES LTDA", "GONÇALVES", 0}, Supermercado, false},
    {{"RAIMUNDA NONATA SOUSA", "RAIMUNDA", 'F'}, Feirante, true},
    {{"COZINHA INDUSTRIAL BOM SABOR LTDA", "BOM SABOR", 0}, Restaurante, false},
    {{"VAREJÃO DA ECONOMIA LTDA", "VAREJÃO ECONOMIA", 0}, Varejo, true},
    {{"JOSÉ APARECIDO FERNANDES", "CIDO", 'M'}, Feirante, false},
    {{"COMERCIAL HORTIFRUTI CURITIBA LTDA", "HORTI CURITIBA", 0}, Atacado, false},
    {{"MÁRCIA REGINA TAVARES", "MÁRCIA", 'F'}, Varejo, false},
    {{"MERCADO MUNICIPAL BOX 12 FRUTAS FINAS LTDA", "BOX 12", 0}, Atacado, false},
    {{"BENEDITO JOSÉ DE ASSIS", "DITO", 'M'}, Feirante, false},
    {{"SUPERMERCADO UNIÃO FAMILIAR LTDA", "UNIÃO FAMILIAR", 0}, Supermercado, false},
    {{"LANCHONETE E SUCOS TROPICAL LTDA ME", "SUCOS TROPICAL", 0}, Restaurante, true},
    {{"CLÁUDIO ROBERTO NUNES", nullptr, 'M'}, 0, false},
    {{"DISTRIBUIDORA LITORAL NORTE LTDA", "LITORAL NORTE", 0}, Atacado, false},
    {{"VERA LÚCIA BARBOSA", "VERA", 'F'}, Feirante, false},
    {{"HORTIFRUTI BARÃO LTDA", "HORTI BARÃO", 0}, Varejo, false},
    {{"JOAQUIM PEREIRA DA SILVA", "SEU JOAQUIM", 'M'}, Feirante, false},
    {{"ESCOLA INFANTIL PEQUENO PRÍNCIPE LTDA", "PEQUENO PRÍNCIPE", 0}, Restaurante, false},
    {{"FÁTIMA CRISTINA ALMEIDA", "FÁTIMA", 'F'}, Feirante, false},
    {{"SUPERMERCADO PARAÍSO LTDA", "SUPER PARAÍSO", 0}, Supermercado, false},
    {{"EDSON LUIZ CARDOSO", "EDSON", 'M'}, 0, false},
    {{"FRUTAS E VERDURAS IPIRANGA LTDA", "FV IPIRANGA", 0}, Varejo, false},
    {{"ROSÂNGELA MARIA COSTA", "ROSÂNGELA", 'F'}, Feirante, false},
    {{"COMÉRCIO DE FRUTAS MINEIRÃO LTDA", "MINEIRÃO", 0}, Atacado, false},
    {{"WAGNER DE SOUZA", "WAGNER", 'M'}, Feirante, true},
    {{"MERCADINHO SÃO JORGE LTDA ME", "MERCADINHO SÃO JORGE", 0}, Varejo, true},
    {{"IRACEMA DOS REIS", "IRACEMA", 'F'}, Feirante, false},
    {{"REDE ECONÔMICA DE SUPERMERCADOS LTDA", "REDE ECONÔMICA", 0}, Supermercado, false},
    {{"GERALDO MAGELA PINTO", "GERALDO", 'M'}, Feirante, false},
    {{"HOTEL FAZENDA ÁGUAS CLARAS LTDA", "ÁGUAS CLARAS", 0}, Restaurante, false},
    {{"CONCEIÇÃO APARECIDA LEITE", nullptr, 'F'}, Feirante, false},
    {{"QUITANDA DA DONA CÉLIA LTDA ME", "DONA CÉLIA", 0}, Varejo, false},
    {{"ADEMIR JOÃO TEIXEIRA", "ADEMIR", 'M'}, Feirante, false},
    {{"HORTIFRUTI NITERÓI LTDA", "HORTI NITERÓI", 0}, Varejo, false},
    {{"SUPERMERCADO BOA ESPERANÇA LTDA", "BOA ESPERANÇA", 0}, Supermercado, false},
}};

// The wholesale customer that also sells to the company (supplier as well).
constexpr int clienteTambemFornecedor = 38;  // index into `clientes`

struct VendedorDemo {
    PessoaDemo pessoa;
    int empresa;  // 1: "001", 2: "002"
    bool desativado;
};

const std::array<VendedorDemo, 7> vendedores{{
    {{"CARLOS EDUARDO MENDES", "CARLOS", 'M'}, 1, false},
    {{"FERNANDA LIMA ROCHA", "FERNANDA", 'F'}, 1, false},
    {{"ROBERTO SHIGUEO NAKAMURA", "ROBERTO", 'M'}, 1, false},
    {{"JULIANA DE CÁSSIA PRADO", "JULIANA", 'F'}, 1, false},
    {{"ANTÔNIO CARLOS PIRES", "TONINHO", 'M'}, 1, true},
    {{"MARCOS VINÍCIUS BRAGA", "MARCOS", 'M'}, 2, false},
    {{"PATRÍCIA HELENA SOARES", "PATRÍCIA", 'F'}, 2, false},
}};

const std::array<PessoaDemo, 5> fornecedores{{
    {"FAZENDA SANTA RITA AGROPECUÁRIA LTDA", "FAZ. SANTA RITA", 0},
    {"COOPERATIVA DOS BANANICULTORES DO VALE DO RIBEIRA", "COOPERBANANA", 0},
    {"OSVALDO TANAKA", "SÍTIO TRÊS IRMÃOS", 'M'},
    {"AGRÍCOLA SERRA DO MAR LTDA", "SERRA DO MAR", 0},
    {"EMBALAGENS PAPELÃO FORTE LTDA", "PAPELÃO FORTE", 0},
}};
constexpr int fornecedorDeEmbalagens = 4;

// The last carrier is deactivated.
const std::array<PessoaDemo, 3> transportadoras{{
    {"TRANSPORTES RIBEIRA LTDA", "TRANSRIBEIRA", 0},
    {"RODOVIÁRIO SERRA AZUL LTDA", "SERRA AZUL", 0},
    {"EXPRESSO FRUTAL TRANSPORTES LTDA", "EXPRESSO FRUTAL", 0},
}};

// The first driver also carries on his own account (a carrier as well).
const std::array<PessoaDemo, 4> motoristas{{
    {"VALDIR DOS SANTOS", "VALDIR", 'M'},
    {"JOSÉ ROBERTO FARIA", "ZÉ ROBERTO", 'M'},
    {"MANOEL MESSIAS ROCHA", "MANOEL", 'M'},
    {"LUIZ FERNANDO ALVES", "LUIZINHO", 'M'},
}};

// Prospects: persons without any role, imported with empty role columns.
const std::array<ClienteDemo, 3> prospects{{
    {{"SUPERMERCADO NOVA ERA LTDA", "NOVA ERA", 0}, Supermercado, false},
    {{"RESTAURANTE TEMPERO MINEIRO LTDA", "TEMPERO MINEIRO", 0}, Restaurante, false},
    {{"QUITANDA DO BAIRRO LTDA", "QUITANDA DO BAIRRO", 0}, Varejo, false},
}};

// ---------------------------------------------------------------------------

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

struct Pessoa {
    int id = 0;
    PessoaDemo dados{};
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
    std::array<bool, 2> compraDe{};  // from "001", from "002"
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
    int produto = 0;  // index into `produtos`
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
    Gerador(Gravador& banco, const QDate& hoje) : banco_(banco), hoje_(hoje) {}

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
    QString usuarioQualquer() { return QString::fromUtf8(usuarios[sorteio_.entre(0, usuariosAtivos - 1)]); }

    void gravaEmpresas()
    {
        const struct {
            const char* codigo;
            const char* nome;
            const char* danfe;
        } empresas[] = {
            {"001", "TEVRANO DISTRIBUIDORA", "c:\\korva\\danfe\\001\\"},
            {"002", "TEVRANO FILIAL LITORAL", "c:\\korva\\danfe\\002\\"},
        };
        int idParametro = 1;
        int idEmpresa = 1;
        for (const auto& empresa : empresas) {
            banco_.insere("empr", {{"idempr", idEmpresa},
                                   {"codi_empr", empresa.codigo},
                                   {"nome_conh_empr", empresa.nome},
                                   {"PATH_DANFE", empresa.danfe}});
            banco_.insere("empr_cnfg", {{"idempr_cnfg", idParametro++},
                                        {"idempr", idEmpresa},
                                        {"nome_para", "MODELO_PEDI_VEDS"},
                                        {"valo_para", "3"}});
            banco_.insere("empr_cnfg", {{"idempr_cnfg", idParametro++},
                                        {"idempr", idEmpresa},
                                        {"nome_para", "COR_PADRAO"},
                                        {"valo_para", "BANANA"}});
            ++idEmpresa;
        }
    }

    void gravaUsuarios()
    {
        for (int i = 0; i < static_cast<int>(usuarios.size()); ++i) {
            const QVariant desativado = i < usuariosAtivos ? QVariant() : momento(hoje_.addDays(-400), 9 * 60);
            banco_.insere("usen", {{"IDUSEN", i + 1}, {"usen", usuarios[i]}, {"data_desa", desativado}});
        }
    }

    // Colour numbers as the suite keeps them: decimal text of a BGR value or
    // of a system colour (button face, button text).
    void gravaCores()
    {
        banco_.insere("cor_sist", {{"idcor_sist", 1},
                                   {"DESC_COR_SIST", "CLASSICO"},
                                   {"CODI_BACK_0001", "-2147483633"},
                                   {"CODI_FORE_0001", "-2147483630"},
                                   {"CODI_BACK_0002", "16777215"},
                                   {"CODI_FORE_0002", "0"}});
        banco_.insere("cor_sist", {{"idcor_sist", 2},
                                   {"DESC_COR_SIST", "BANANA"},
                                   {"CODI_BACK_0001", QString::number(0xC0FFFF)},    // light yellow
                                   {"CODI_FORE_0001", QString::number(0x004000)},    // dark green
                                   {"CODI_BACK_0002", QString::number(0xE0FFFF)},    // cream
                                   {"CODI_FORE_0002", QString::number(0x000080)}});  // dark red
    }

    void gravaTabelas()
    {
        for (int i = 0; i < static_cast<int>(tiposCliente.size()); ++i) {
            const bool ativo = i + 1 <= Restaurante;
            banco_.insere("tipo_clie", {{"idtipo_clie", i + 1},
                                        {"desc_tipo_clie", tiposCliente[i]},
                                        {"data_desa", ativo ? QVariant() : momento(hoje_.addDays(-700), 10 * 60)}});
        }
        for (int i = 0; i < static_cast<int>(marcas.size()); ++i)
            banco_.insere("marc", {{"idmarc", i + 1}, {"desc_marc", marcas[i]}, {"data_desa", QVariant()}});
        for (int i = 0; i < static_cast<int>(atividades.size()); ++i) {
            const bool ativa = i + 1 < static_cast<int>(atividades.size());
            banco_.insere("ativ", {{"idativ", i + 1},
                                   {"desc_ativ", atividades[i]},
                                   {"data_desa", ativa ? QVariant() : momento(hoje_.addDays(-900), 11 * 60)}});
        }
    }

    void gravaProdutos()
    {
        for (int i = 0; i < static_cast<int>(produtos.size()); ++i) {
            const ProdutoDemo& p = produtos[i];
            const bool ativo = p.procura > 0;
            banco_.insere("prod", {{"idprod", i + 1},
                                   {"codi_prod", p.codigo},
                                   {"desc_prod", p.descricao},
                                   {"idmarc", p.marca > 0 ? QVariant(p.marca) : QVariant()},
                                   {"IDSUB0_GRUP", p.subGrupo},
                                   {"data_desa", ativo ? QVariant() : momento(hoje_.addDays(-500), 15 * 60)}});
            pesosProdutos_.push_back(p.procura);
        }
    }

    // ---- persons and their roles

    Pessoa novaPessoa(const PessoaDemo& dados, const Cidade& cidade)
    {
        Pessoa p;
        p.id = ++ultimaPessoa_;
        p.dados = dados;
        p.cidade = &cidade;
        return p;
    }

    // One of the first `quantas` cities of the list (all of them by default).
    template <std::size_t N>
    const Cidade& cidadeDe(const std::array<Cidade, N>& cidades, int quantas = static_cast<int>(N))
    {
        return cidades[sorteio_.entre(0, quantas - 1)];
    }

    QString telefone(const Pessoa& p)
    {
        const QString numero = p.dados.sexo ? QStringLiteral("9") + sorteio_.digitos(4) + u'-' + sorteio_.digitos(4)
                                            : QStringLiteral("3") + sorteio_.digitos(3) + u'-' + sorteio_.digitos(4);
        return QStringLiteral("(%1) %2").arg(QString::fromLatin1(p.cidade->ddd), numero);
    }

    void gravaPessoa(const Pessoa& p)
    {
        const bool juridica = p.dados.sexo == 0;
        const QString nome = QString::fromUtf8(p.dados.nome);
        const QString conhecido = p.dados.conhecido ? QString::fromUtf8(p.dados.conhecido) : QString();
        const QString cidade = QString::fromUtf8(p.cidade->nome);
        const QString uf = QString::fromLatin1(p.cidade->uf);
        const QString endereco = QStringLiteral("%1, %2")
                                     .arg(QString::fromUtf8(ruas[sorteio_.entre(0, int(ruas.size()) - 1)]))
                                     .arg(sorteio_.entre(10, 3999));
        const QString bairro = QString::fromUtf8(bairros[sorteio_.entre(0, int(bairros.size()) - 1)]);
        const int prefixoCep = sorteio_.entre(p.cidade->cepDe, p.cidade->cepAte);
        const QString cep = QStringLiteral("%1-%2").arg(prefixoCep, 5, 10, QChar(u'0')).arg(sorteio_.digitos(3));
        const QString documento = sorteio_.chance(6) ? QString() : (juridica ? cnpj(sorteio_) : cpf(sorteio_));
        const QString inscricao = juridica
                                      ? (sorteio_.chance(15) ? QStringLiteral("ISENTO")
                                                             : sorteio_.digitos(3) + u'.' + sorteio_.digitos(3) + u'.' +
                                                                   sorteio_.digitos(3) + u'.' + sorteio_.digitos(3))
                                      : sorteio_.digitos(2) + u'.' + sorteio_.digitos(3) + u'.' + sorteio_.digitos(3) +
                                            u'-' + sorteio_.digitos(1);
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
        const QDate aniversario =
            juridica ? QDate() : QDate(sorteio_.entre(1950, 2000), sorteio_.entre(1, 12), sorteio_.entre(1, 28));
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
                                  {"SEXO", textoOuNulo(juridica ? QString() : QString(QChar(p.dados.sexo)))},
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
                                  {"idTipo_Clie", p.tipoCliente > 0 ? QVariant(p.tipoCliente) : QVariant()},
                              });
        for (int atividade : p.atividades)
            banco_.insere("pess_ativ", {{"idpess_ativ", ++ultimaAtividade_}, {"idpess", p.id}, {"idativ", atividade}});

        const QVariant desativado = momento(p.desativada, 16 * 60);
        const QVariant quemDesativou = p.desativada.isValid() ? QVariant(usuarioQualquer()) : QVariant();
        const std::pair<const char*, int> papeis[] = {
            {"clie", p.clie}, {"trpt", p.trpt}, {"vend", p.vend}, {"moto", p.moto}, {"forn", p.forn}};
        for (const auto& [tabela, id] : papeis) {
            if (id <= 0)
                continue;
            const QByteArray chave = "id" + QByteArray(tabela);
            banco_.insere(
                tabela,
                {{chave.constData(), id}, {"idpess", p.id}, {"data_desa", desativado}, {"user_desa", quemDesativou}});
        }
    }

    static int atividadeDoTipo(int tipo)
    {
        switch (tipo) {
        case Atacado:
            return AtivAtacado;
        case Supermercado:
            return AtivSupermercado;
        case Varejo:
            return AtivHortifruti;
        case Feirante:
            return AtivFeira;
        case Restaurante:
            return AtivRestaurante;
        default:
            return 0;
        }
    }

    void gravaPessoas()
    {
        std::array<std::vector<int>, 2> equipe;  // active and deactivated salespeople of each company
        for (const VendedorDemo& v : vendedores) {
            Pessoa p = novaPessoa(v.pessoa, cidadeDe(cidadesClientes, cidadesDaGrandeSaoPaulo));
            p.vend = static_cast<int>(vendedores_.size()) + 1;
            if (v.desativado)
                p.desativada = hoje_.addDays(-45);
            vendedores_.push_back({p.vend, v.empresa, p.desativada});
            equipe[v.empresa - 1].push_back(static_cast<int>(vendedores_.size()) - 1);
            gravaPessoa(p);
        }

        int idForn = 0;
        for (int i = 0; i < static_cast<int>(fornecedores.size()); ++i) {
            Pessoa p = novaPessoa(fornecedores[i], cidadeDe(cidadesDoVale));
            p.forn = ++idForn;
            p.atividades = {i == fornecedorDeEmbalagens ? AtivEmbalagens : AtivProducao};
            p.codigoExterno = true;
            gravaPessoa(p);
        }

        int idTrpt = 0;
        for (int i = 0; i < static_cast<int>(transportadoras.size()); ++i) {
            Pessoa p = novaPessoa(transportadoras[i], cidadeDe(cidadesDoVale));
            p.trpt = ++idTrpt;
            p.atividades = {AtivTransporte};
            if (i + 1 == static_cast<int>(transportadoras.size()))
                p.desativada = hoje_.addDays(-sorteio_.entre(200, 400));
            gravaPessoa(p);
        }

        int idMoto = 0;
        for (int i = 0; i < static_cast<int>(motoristas.size()); ++i) {
            Pessoa p = novaPessoa(motoristas[i], cidadeDe(cidadesDoVale));
            p.moto = ++idMoto;
            if (i == 0) {
                p.trpt = ++idTrpt;
                p.atividades = {AtivTransporte};
            }
            gravaPessoa(p);
        }

        for (int i = 0; i < static_cast<int>(clientes.size()); ++i) {
            const ClienteDemo& c = clientes[i];
            Pessoa p = novaPessoa(c.pessoa, cidadeDe(cidadesClientes));
            p.clie = i + 1;
            p.tipoCliente = c.tipo;
            p.codigoExterno = true;
            if (c.desativado)
                p.desativada = hoje_.addDays(-sorteio_.entre(20, 300));
            if (i == clienteTambemFornecedor) {
                p.forn = ++idForn;
                p.atividades.push_back(AtivProducao);
            }
            if (!sorteio_.chance(10) && atividadeDoTipo(c.tipo) > 0)
                p.atividades.push_back(atividadeDoTipo(c.tipo));
            if (QString::fromUtf8(c.pessoa.nome).startsWith(QLatin1String("PADARIA")))
                p.atividades.push_back(AtivPadaria);
            if (c.tipo == Feirante && sorteio_.chance(30))
                p.atividades.push_back(AtivHortifruti);

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

        for (const ClienteDemo& c : prospects) {
            Pessoa p = novaPessoa(c.pessoa, cidadeDe(cidadesClientes));
            p.papeisNulos = true;
            p.atividades = {atividadeDoTipo(c.tipo)};
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
            item.situacao = sorteio_.ponderado(pesosSituacoes);
            if (!vistos.insert({item.produto, item.situacao}).second)
                continue;
            const ProdutoDemo& p = produtos[item.produto];
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
                          {"codi_empr", empresa == 1 ? "001" : "002"},
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
                    {"status_prod", situacoes[item.situacao]},
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

    Gravador& banco_;
    const QDate hoje_;
    Sorteio sorteio_{0x50A7D0E5EED5ULL};
    std::vector<int> pesosProdutos_;
    std::vector<Cliente> clientes_;
    std::vector<Vendedor> vendedores_;
    int ultimaPessoa_ = 0;
    int ultimaAtividade_ = 0;
    int ultimoPedido_ = 0;
    int ultimoItem_ = 0;
};

QString esquema()
{
    QFile arquivo(QStringLiteral(":/db/schema-sqlite.sql"));
    if (!arquivo.open(QIODevice::ReadOnly))
        throw VbError(vb_error::FileNotFound, QStringLiteral("Esquema do banco não encontrado: ") + arquivo.fileName());
    return QString::fromUtf8(arquivo.readAll());
}

}  // namespace

void GeraEmpresaDemo(const QString& arquivo, const QDate& hoje)
{
    // The schema is compiled in; a static library needs its resources pulled in by name.
    Q_INIT_RESOURCE(esquemas);
    const QString tabelas = esquema();
    Gravador banco(arquivo);
    banco.executa(QStringLiteral("begin"));
    banco.executa(tabelas);
    Gerador(banco, hoje).grava();
    banco.executa(QStringLiteral("commit"));
}
