#pragma once

#include <QString>
#include <optional>

class FlexGrid;
class Recordset;

// The person search without its window: the statement built from the
// window's choices, the grid layout, and which persons a category lists.

// The search fields of the group "Forma de Busca".
enum class FormaBusca { Nenhuma, CPFCNPJ, Nome, Fantasia, Cidade, UF, RamoAtividade, Telefone, CodInterno, CodExterno };
// The match modes of the group "Conteúdo da Busca"; only names and trade names use them.
enum class ConteudoBusca { Nenhum, QualquerParte, CampoInteiro, InicialCom };
// The person categories; each role category lists a person through its role-id lookup.
enum class CategoriaPessoa {
    Nenhuma,
    Todos,
    Prospect,
    Cliente,
    Fornecedor,
    Transportadora,
    Vendedor,
    Motorista,
    Decorador,
    Arquiteto
};

struct ParametrosBusca {
    QString texto;  // as typed; trimmed when the statement is built
    FormaBusca forma = FormaBusca::Nome;
    ConteudoBusca conteudo = ConteudoBusca::QualquerParte;
    bool desativados = false;  // list deactivated instead of active persons
    CategoriaPessoa categoria = CategoriaPessoa::Todos;
};

// Empties the grid and writes its ten headers, widths (twips) and alignments.
void MontaGrid(FlexGrid& grid);

// The statement as written before it is upper-cased. The search text goes in
// with its single quotes doubled; "%" and "_" stay wildcards.
QString ComandoPesquisa(const ParametrosBusca& parametros);

// The grid row of the recordset's current person (tab-separated), or nothing
// when the category does not list that person. Runs the role-id lookups.
std::optional<QString> LinhaDaPessoa(const Recordset& rs, CategoriaPessoa categoria);

// The whole search on the shared connection: MontaGrid, MostraDesativados,
// the statement opened upper-cased, one row per listed person. Returns false
// when the statement found no record (the grid keeps its header row only).
// Database errors reach the caller as VbError.
bool PesquisaPessoas(FlexGrid& grid, const ParametrosBusca& parametros);
