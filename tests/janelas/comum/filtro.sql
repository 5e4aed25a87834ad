-- The filter form's company: two customers, salespeople and customer types
-- with one deactivated each, brands sharing the prefix AB, one product
-- (the test adds an order of today).
insert into pess (idpess, nome_pess, nome_conh, cpf0_cnpj) values (1, 'MARIA DA SILVA', 'MARIA', '11122233344');
insert into pess (idpess, nome_pess, nome_conh, cpf0_cnpj) values (2, 'JOAO PEREIRA', 'JOAO', '55566677788');
insert into clie (idclie, idpess) values (10, 1);
insert into clie (idclie, idpess) values (20, 2);
insert into pess (idpess, nome_pess, nome_conh) values (3, 'ANA SOUZA', 'ANA');
insert into pess (idpess, nome_pess, nome_conh) values (4, 'BRUNO LIMA', 'BRUNO');
insert into vend (idvend, idpess) values (1, 3);
insert into vend (idvend, idpess, data_desa) values (2, 4, '2020-01-01 00:00:00');
insert into tipo_clie (idtipo_clie, desc_tipo_clie) values (1, 'VAREJO');
insert into tipo_clie (idtipo_clie, desc_tipo_clie) values (2, 'ATACADO');
insert into tipo_clie (idtipo_clie, desc_tipo_clie, data_desa) values (3, 'ANTIGO', '2020-01-01 00:00:00');
insert into marc (idmarc, desc_marc) values (1, 'ABC FRUTAS');
insert into marc (idmarc, desc_marc) values (2, 'ABACAXI BRASIL');
insert into marc (idmarc, desc_marc) values (3, 'BANANA NANICA');
insert into marc (idmarc, desc_marc, data_desa) values (4, 'ABRIL', '2020-01-01 00:00:00');
insert into prod (idprod, codi_prod, desc_prod, idmarc) values (1, 'B1', 'BANANA', 1);
