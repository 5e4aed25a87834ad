-- Order 42 carries the brand PRATA FINA (BP01) and lines of every status
-- case; 43 has no salesperson nor delivery date; 44 only a deactivated line
-- and a salesperson without a short name; 45 is company 002's, 46 is
-- deactivated and 47 falls in June; 48 has a null header discount.
insert into empr (idempr, codi_empr, nome_conh_empr) values (1, '001', 'BANANAS & CIA <MATRIZ>');
insert into empr (idempr, codi_empr, nome_conh_empr) values (2, '002', 'FILIAL');
insert into tipo_clie (idtipo_clie, desc_tipo_clie) values (1, 'VAREJO');
insert into tipo_clie (idtipo_clie, desc_tipo_clie) values (2, 'ATACADO');
insert into pess (idpess, nome_pess, nome_conh, idTipo_Clie) values (1, 'MERCADO SÃO JOÃO', 'SAO JOAO', 1);
insert into pess (idpess, nome_pess, nome_conh, idTipo_Clie) values (2, 'QUITANDA D''AVILA', 'AVILA', 2);
insert into pess (idpess, nome_pess, nome_conh) values (3, 'JOSE DA SILVA', 'ZECA');
insert into pess (idpess, nome_pess, nome_conh) values (4, 'MARIA SEM APELIDO', '');
insert into pess (idpess, nome_pess, nome_conh, idTipo_Clie) values (5, 'SUPER BOM PRECO', 'BOM PRECO', 1);
insert into clie (idclie, idpess) values (1, 1);
insert into clie (idclie, idpess) values (2, 2);
insert into clie (idclie, idpess) values (3, 5);
insert into vend (idvend, idpess) values (1, 3);
insert into vend (idvend, idpess) values (2, 4);
insert into marc (idmarc, desc_marc) values (1, 'PRATA FINA');
insert into marc (idmarc, desc_marc) values (2, 'OUTRA');
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (1, 'BN01', 'BANANA NANICA CX', 2, 1);
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (2, 'BP01', 'BANANA PRATA CX', 1, 4);
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (3, 'BO01', 'BANANA OURO CX', 2, 3);
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (4, 'BM01', 'BANANA MACA CX', 2, 2);
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (5, 'BT01', 'BANANA TERRA CX', 2, 5);
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (6, 'BP01', 'BANANA PRATA GRANEL', 1, 4);
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP, data_desa) values (7, 'XX99', 'PRODUTO DESATIVADO', 2, 1, '2024-01-01 00:00:00');
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (8, 'BN02', 'BANANA NANICA KG', 2, 1);
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (9, 'BO02', 'BANANA OURO KG', 2, 3);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, DATA_REAL_ENTG, DATA_FECH, idclie, idvend, VALO_DECT) values (1, 42, '001', '2024-05-02 00:00:00', '2024-05-03 00:00:00', '2024-05-04 00:00:00', 1, 1, 10.5);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, VALO_DECT) values (2, 43, '001', '2024-05-02 00:00:00', 2, 0);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, DATA_REAL_ENTG, idclie, idvend, VALO_DECT) values (3, 44, '001', '2024-05-03 00:00:00', '2024-05-06 00:00:00', 3, 2, 0);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, idvend, VALO_DECT) values (4, 45, '002', '2024-05-02 00:00:00', 1, 1, 0);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, idvend, VALO_DECT, data_desa) values (5, 46, '001', '2024-05-02 00:00:00', 1, 1, 0, '2024-05-05 00:00:00');
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, idvend, VALO_DECT) values (6, 47, '001', '2024-06-10 00:00:00', 1, 1, 0);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, idvend) values (7, 48, '001', '2024-05-06 00:00:00', 3, 1);
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (1, 1, 1, 10, 50, 0, 50, 500, 'Verde');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (2, 1, 2, 5, 246.9, 5, 241.9, 1209.5, 'Madura');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (3, 1, 3, 3, 20, 0, 20, 60, 'Passada');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (4, 1, 4, 2, 30, 0, 30, 60, 'Colorida');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod, data_desa) values (5, 1, 5, 7, 10, 0, 10, 70, 'Verde', '2024-05-02 10:00:00');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (6, 2, 5, 1.5, 10, null, 10, 15, '');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (7, 2, 6, 4, 12.5, 0, 12.5, 50, 'Verde');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod, data_desa) values (8, 3, 1, 9, 50, 0, 50, 450, 'Verde', '2024-05-03 09:00:00');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (9, 4, 1, 6.5, 50, 0, 50, 325, 'Verde');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (10, 5, 2, 8, 246.9, 0, 246.9, 1975.2, 'Madura');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (11, 6, 1, 1, 50, 0, 50, 50, 'Verde');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (12, 7, 8, 3, 10, 0, 10, 30, 'Verde');
