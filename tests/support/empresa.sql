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
-- Company 003 holds the corners of real data, in June 2024: order numbers
-- carried by two orders (the second with the larger header discount),
-- times other than midnight, no customer, a salesperson nobody is, a product
-- that does not exist, one product code in three spellings (case, a trailing
-- blank) and one missing, null and negative quantities, fractions, status texts in other
-- cases and blank, null values and descriptions. In June, so that the May
-- reports of the other tests do not see them (the product summary counts
-- every company).
insert into empr (idempr, codi_empr, nome_conh_empr) values (3, '003', 'CANTOS');
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (10, 'bx01', 'Banana Xis Minúscula', 2, 1);
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (11, 'BX01 ', null, 1, 4);
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (14, 'BX01', 'BANANA XIS CX', 1, 2);
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (12, null, 'SEM CÓDIGO', null, 3);
insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (13, 'BM02', '', 2, null);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, DATA_REAL_ENTG, DATA_FECH, idclie, idvend, VALO_DECT) values (20, 77, '003', '2024-06-02 10:30:00', '2024-06-03 00:00:00', '2024-06-02 10:30:00', 1, 1, 1.5);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, DATA_REAL_ENTG, idclie, idvend, VALO_DECT) values (21, 77, '003', '2024-06-02 00:00:00', '2024-06-02 00:00:00', 2, 2, 4.25);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, idvend, VALO_DECT) values (22, 80, '003', '2024-06-03 00:00:00', 3, 77, 0);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, DATA_FECH, idvend, VALO_DECT) values (23, 78, '003', '2024-06-03 23:59:00', '2024-06-04 00:00:00', 1, null);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, DATA_REAL_ENTG, idclie, VALO_DECT) values (24, 79, '003', '2024-06-30 23:59:00', '2024-07-01 00:00:00', 1, 2);
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (40, 20, 10, 2.3, 10, 0.5, 9.5, 21.85, 'VERDE');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (41, 20, 14, 0.5, 50, null, 50, 25, 'verde');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (42, 20, 11, 1.5, 246.9, 0, 246.9, 370.35, 'Madura ');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (43, 21, 12, null, 20, 1, 19, null, null);
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (44, 21, 2, -2, 246.9, 0, 246.9, -493.8, 'Colorida');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (45, 21, 999, 3, 1, 0, 1, 3, 'Passada');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (46, 22, 13, 4.75, null, 0, null, 19, '');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod, data_desa) values (47, 22, 10, 6, 10, 0, 10, 60, 'Verde', '2024-06-04 00:00:00');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (48, 23, 3, 1.25, 20, 0.25, 19.75, 24.69, 'MADURA');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (49, 24, 5, 3.5, 10, 0, 10, 35, 'Verde');
-- Companies 004 and 005, in July 2024: vertical deliveries that overflow a
-- 16-bit sum, each order one line of sub-group 1. In 004 the totals pass
-- 32767 at the fourth order; in 005 the product sum of the second order does
-- (its deactivated line counts there, not in the sub-group's total).
insert into empr (idempr, codi_empr, nome_conh_empr) values (4, '004', 'ESTOURO DOS TOTAIS');
insert into empr (idempr, codi_empr, nome_conh_empr) values (5, '005', 'ESTOURO DO PRODUTO');
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, VALO_DECT) values (60, 101, '004', '2024-07-01 00:00:00', 1, 0);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, VALO_DECT) values (61, 102, '004', '2024-07-02 00:00:00', 1, 0);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, VALO_DECT) values (62, 103, '004', '2024-07-03 00:00:00', 1, 0);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, VALO_DECT) values (63, 104, '004', '2024-07-04 00:00:00', 1, 0);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, VALO_DECT) values (64, 201, '005', '2024-07-01 00:00:00', 1, 0);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, VALO_DECT) values (65, 202, '005', '2024-07-02 00:00:00', 1, 0);
insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, VALO_DECT) values (66, 203, '005', '2024-07-03 00:00:00', 1, 0);
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (60, 60, 1, 5, 1, 0, 1, 5, 'Verde');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (61, 61, 1, 6, 1, 0, 1, 6, 'Verde');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (62, 62, 1, 20000, 1, 0, 1, 20000, 'Verde');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (63, 63, 1, 20000, 1, 0, 1, 20000, 'Verde');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (64, 64, 1, 5, 1, 0, 1, 5, 'Verde');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (65, 65, 1, 20000, 1, 0, 1, 20000, 'Verde');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod, data_desa) values (66, 65, 1, 20000, 1, 0, 1, 20000, 'Verde', '2024-07-01 00:00:00');
insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod) values (67, 66, 1, 7, 1, 0, 1, 7, 'Verde');
