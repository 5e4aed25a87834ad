#include "BaseFuncoes.h"

#include "platform/VbError.h"
#include "shared/Funcoes.h"

namespace {

const char* const Dados[] = {
    // Persons: 4 has a 60-character name, 5 is a deactivated customer and salesperson.
    "insert into pess (idpess, nome_pess, nome_conh, cpf0_cnpj) values (1, 'ANA PAULA SOUZA', 'ANINHA', '12345678901')",
    "insert into pess (idpess, nome_pess, nome_conh, cpf0_cnpj) values (2, 'D''ÁVILA COMERCIO', 'DAVILA', null)",
    "insert into pess (idpess, nome_pess, nome_conh, cpf0_cnpj) values (3, 'BRUNO LIMA', 'BETO', '98712399900')",
    "insert into pess (idpess, nome_pess, nome_conh, cpf0_cnpj) values (4, "
    "'SUPERMERCADO DO PRODUTOR RURAL DE HORTIFRUTIGRANJEIROS DO SUL', 'SUPER', '55000111000199')",
    "insert into pess (idpess, nome_pess, nome_conh, cpf0_cnpj) values (5, 'CARLOS INATIVO', 'CARLAO', '11122233344')",
    "insert into clie (idclie, idpess) values (10, 1)",
    "insert into clie (idclie, idpess) values (11, 2)",
    "insert into clie (idclie, idpess) values (12, 3)",
    "insert into clie (idclie, idpess) values (13, 4)",
    "insert into clie (idclie, idpess, data_desa) values (14, 5, '2023-01-10 09:00:00')",
    "insert into vend (idvend, idpess) values (20, 3)",
    "insert into vend (idvend, idpess) values (21, 1)",
    "insert into vend (idvend, idpess, data_desa) values (22, 5, '2023-01-10 09:00:00')",
    "insert into moto (idmoto, idpess) values (30, 3)",
    "insert into trpt (idtrpt, idpess) values (40, 3)",
    "insert into forn (idforn, idpess) values (50, 3)",
    "insert into deco (iddeco, idpess) values (60, 3)",
    "insert into arqt (idarqt, idpess) values (70, 3)",
    "insert into marc (idmarc, desc_marc) values (1, 'HORTIFRUTI')",
    "insert into marc (idmarc, desc_marc) values (2, 'FAZENDA BOA')",
    "insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (100, 'TOM01', 'TOMATE', 1, 7)",
    "insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (101, 'BAN01', 'BANANA', 2, 9)",
    "insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (102, 'ALF01', 'ALFACE', null, 8)",
    "insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP, data_desa) "
    "values (103, 'OLD01', 'ANTIGO', 1, 7, '2022-05-01 00:00:00')",
    "insert into tipo_clie (idtipo_clie, desc_tipo_clie) values (1, 'VAREJO')",
    "insert into tipo_clie (idtipo_clie, desc_tipo_clie) values (2, 'ATACADO')",
    "insert into tipo_clie (idtipo_clie, desc_tipo_clie, data_desa) values (3, 'ANTIGO', '2022-05-01 00:00:00')",
    "insert into ativ (idativ, desc_ativ) values (1, 'CONSULTORIA')",
    "insert into ativ (idativ, desc_ativ) values (2, 'COMERCIO')",
    "insert into ativ (idativ, desc_ativ) values (3, 'VENDAS')",
    "insert into ativ (idativ, desc_ativ, data_desa) values (4, 'CONSERTOS', '2022-05-01 00:00:00')",
    "insert into empr_cnfg (idempr_cnfg, idempr, nome_para, valo_para) values (1, 1, 'MODELO_PEDI_VEDS', 'MODELO2')",
    "insert into empr_cnfg (idempr_cnfg, idempr, nome_para, valo_para) values (2, 1, 'COR_PADRAO', 'AZUL')",
    "insert into empr_cnfg (idempr_cnfg, idempr, nome_para, valo_para) values (3, 1, 'VAZIO', null)",
    "insert into cor_sist (idcor_sist, DESC_COR_SIST, CODI_BACK_0001, CODI_FORE_0001, CODI_BACK_0002, "
    "CODI_FORE_0002) values (1, 'AZUL', '16711680', '65535', '255', '0')",
    // Orders of 05/03/2024: 1 and 2 of salesperson 20, 3 of 21, 4 of 20 deactivated;
    // 5 of another company on 06/03/2024.
    "insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idvend, VALO_DECT) "
    "values (1, 1001, '001', '2024-03-05 00:00:00', 20, 2.5)",
    "insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idvend, VALO_DECT) "
    "values (2, 1002, '001', '2024-03-05 00:00:00', 20, null)",
    "insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idvend) "
    "values (3, 1003, '001', '2024-03-05 00:00:00', 21)",
    "insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idvend, data_desa) "
    "values (4, 1004, '001', '2024-03-05 00:00:00', 20, '2024-03-05 18:00:00')",
    "insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idvend) "
    "values (5, 1005, '002', '2024-03-06 00:00:00', 21)",
    // Order 1: sub-group 7 (product 100) in halves and wholes with even integer
    // parts, so that every order of the rows rounds to the same totals.
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_DECT, VALO_TOTA, status_prod) "
    "values (1, 1, 100, 0.5, 1, 10, 'VERDE')",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_DECT, VALO_TOTA, status_prod) "
    "values (2, 1, 100, 0.5, null, 20, 'VERDE')",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_DECT, VALO_TOTA, status_prod) "
    "values (3, 1, 101, 3, 0.5, 30, 'MADURA')",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_DECT, VALO_TOTA, status_prod, "
    "data_desa) values (4, 1, 100, 2, 1, 5, 'VERDE', '2024-03-05 10:00:00')",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_DECT, VALO_TOTA, status_prod) "
    "values (5, 1, 102, null, 2, null, 'VERDE')",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_DECT, VALO_TOTA, status_prod) "
    "values (6, 1, 100, 2.5, 0, 25, 'VERDE')",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_DECT, VALO_TOTA, status_prod) "
    "values (7, 1, 100, 4, 0.25, 40, 'MADURA')",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_TOTA) values (8, 2, 101, 3.5, 7)",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_TOTA) values (9, 3, 100, 1.5, 3)",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_TOTA) values (10, 4, 100, 100, 9)",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_TOTA) values (11, 5, 100, 2, 4)",
    // Order 8 reaches the 16-bit limit exactly, order 9 goes past it.
    "insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idvend) "
    "values (8, 1008, '001', '2024-04-01 00:00:00', 20)",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) values (80, 8, 100, 32000)",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) values (81, 8, 100, 767)",
    "insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idvend) "
    "values (9, 1009, '001', '2024-04-01 00:00:00', 20)",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) values (90, 9, 100, 20000)",
    "insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) values (91, 9, 100, 20000)",
};

}  // namespace

void BaseFuncoes::SetUp()
{
    funcoes() = VariaveisFuncoes{};
    banco = std::make_unique<BancoDeTeste>(GetParam());
    for (const char* comando : Dados)
        banco->executa(QString::fromUtf8(comando));
}

long NumeroDoErro(const std::function<void()>& acao)
{
    try {
        acao();
    } catch (const VbError& erro) {
        return erro.Number();
    }
    return 0;
}
