#include "DadosDeTeste.h"

#include "platform/Ado.h"
#include "startup/Ambiente.h"
#include "support/BancoDeTeste.h"

void InsereDadosDeTeste(BancoDeTeste& banco)
{
    banco.executaScript(R"(
insert into empr (idempr, codi_empr, nome_conh_empr, PATH_DANFE) values (1, '001  ', 'Hortifruti Um', null);
insert into empr (idempr, codi_empr, nome_conh_empr, PATH_DANFE) values (2, '002', 'Hortifruti Dois', 'D:\NFE\');
insert into usen (IDUSEN, usen, data_desa) values (3, 'maria', null);
insert into pess (idpess, nome_pess, nome_conh, cpf0_cnpj, tele_0001_pess, fax0_0002_pess, cida_coml_pess,
  data_incl, idTipo_Clie) values (1, 'JOÃO D''ÁVILA', 'JOÃO', '123.456.789-00', '3222-1200', null, 'São Paulo',
  '2024-03-01 10:00:00', 1);
insert into pess (idpess, nome_pess, nome_conh, cpf0_cnpj, data_incl, idTipo_Clie)
  values (12, 'joao', 'Joãozinho', '98.765', '2024-02-01 08:00:00', 1);
insert into pess (idpess, nome_pess, nome_conh, fax0_0002_pess, idTipo_Clie)
  values (112, 'João', 'Jo', '1200-0000', 2);
insert into pess (idpess, nome_pess, nome_conh, data_desa, user_desa)
  values (120, 'Ávila', 'Avila', '2024-03-01 23:59:30', 'ana');
insert into pess (idpess, nome_pess, nome_conh) values (7, 'José Vendedor', 'ZÉ');
insert into pess (idpess, nome_pess, nome_conh) values (8, 'Zuleica Vendedora', 'ZULEICA');
insert into pess (idpess, nome_pess, nome_conh) values (200, 'Sem Apelido', null);
insert into clie (idclie, idpess) values (5, 1);
insert into clie (idclie, idpess) values (6, 12);
insert into clie (idclie, idpess, data_desa) values (9, 112, '2023-12-31 00:00:00');
insert into vend (idvend, idpess) values (1, 7);
insert into vend (idvend, idpess, data_desa) values (2, 8, '2024-01-01 00:00:00');
insert into tipo_clie (idtipo_clie, desc_tipo_clie) values (1, 'Atacadista');
insert into tipo_clie (idtipo_clie, desc_tipo_clie) values (2, 'Varejão');
insert into ativ (idativ, desc_ativ) values (1, 'Atacado');
insert into ativ (idativ, desc_ativ) values (2, 'ATACADISTA');
insert into ativ (idativ, desc_ativ, data_desa) values (3, 'Atacarejo', '2024-01-01 00:00:00');
insert into pess_ativ (idpess_ativ, idpess, idativ) values (1, 1, 1);
insert into pess_ativ (idpess_ativ, idpess, idativ) values (2, 12, 2);
insert into pess_ativ (idpess_ativ, idpess, idativ) values (3, 120, 1);
insert into marc (idmarc, desc_marc) values (1, 'Tevrano');
insert into marc (idmarc, desc_marc) values (2, 'ÁGUIA');
insert into marc (idmarc, desc_marc) values (3, 'abacaxi');
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (1, 'B01', 'BANANA NANICA', 1, 1);
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (2, 'B02', 'BANANA MAÇÃ', 2, 2);
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP, data_desa)
  values (3, 'b03', 'Banana Ouro', null, 3, '2024-01-01 00:00:00');
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, DATA_REAL_ENTG, idclie, idvend, VALO_DECT)
  values (1, 101, '001', '2024-03-01 00:00:00', '2024-03-02 06:00:00', 5, 1, 1.5);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie) values (2, 102, '001', '2024-03-01 15:30:00', 6);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, idvend)
  values (3, 103, '001', '2024-03-02 23:59:00', 5, 1);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie) values (4, 104, '001', '2024-03-02 23:59:30', 5);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie) values (5, 105, '002', '2024-03-01 09:00:00', 6);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie) values (6, 106, '001', '2024-02-29 23:59:59', 5);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, data_desa, user_desa)
  values (7, 107, '001', '2024-03-01 12:00:00', 5, '2024-03-01 13:00:00', 'ana');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_TOTA, status_prod)
  values (1, 1, 1, 10, 2.5, 25, 'Verde');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_TOTA, status_prod)
  values (2, 1, 2, 0.5, 4, 2, null);
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_TOTA, status_prod, data_desa)
  values (3, 1, 1, 99, 99, 'Madura', '2024-03-01 10:00:00');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_TOTA, status_prod)
  values (4, 3, 1, 2.25, 9, 'madura');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_TOTA) values (5, 4, 2, 1, 1);
)");
}

QString TextoDoValor(const Variant& valor)
{
    switch (valor.type()) {
    case Variant::Type::Empty:
        return QStringLiteral("E");
    case Variant::Type::Null:
        return QStringLiteral("N");
    case Variant::Type::Integer:
    case Variant::Type::Long:
        return QStringLiteral("L:") + QString::number(static_cast<qlonglong>(valor.number()));
    case Variant::Type::Double:
        return QStringLiteral("D:") + QString::number(valor.number(), 'g', 15);
    case Variant::Type::String:
        return QStringLiteral("S:") + valor.text();
    case Variant::Type::Date:
        return QStringLiteral("T:") + valor.date().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case Variant::Type::Boolean:
        return QStringLiteral("B:") + QString::number(valor.number());
    }
    return {};
}

QStringList LinhasDe(const QString& sql)
{
    QStringList linhas;
    for (const QVector<Variant>& linha : Conexao().Executa(sql).linhas) {
        QStringList valores;
        for (const Variant& valor : linha)
            valores << TextoDoValor(valor);
        linhas << valores.join(u'|');
    }
    return linhas;
}
