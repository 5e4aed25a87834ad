-- The persons of PessoasDeTeste.h, in every role.
insert into pess (idpess, nome_pess, nome_conh, cpf0_cnpj, cida_coml_pess, uf00_coml_pess,
                  tele_0001_pess, fax0_0001_pess, pess_codi_exte)
  values (7, 'DORA PROSPECTO', 'DORA MODAS', '98765432100', 'RIO DE JANEIRO', 'RJ',
          '2133330000', '2177778888', 'EXT-7');
insert into pess (idpess, nome_pess, nome_conh, cpf0_cnpj, cida_coml_pess, uf00_coml_pess,
                  tele_0001_pess, pess_codi_exte, idclie)
  values (12, 'ANA DA SILVA', 'ANA FRUTAS', '12345678901', 'SAO PAULO', 'SP', '1133334444', 'EXT-12', 501);
insert into pess (idpess, nome_pess, nome_conh, idvend) values (30, 'EDUARDO VENDAS', 'EDU', 801);
insert into pess (idpess, nome_pess, nome_conh, idclie) values (50, null, 'SEM NOME', 503);
insert into pess (idpess, nome_pess, nome_conh, data_desa, idclie)
  values (99, 'HELENA ANTIGA', 'HELENA', '2024-03-15 10:00:00', 504);
insert into pess (idpess, nome_pess, nome_conh, cida_coml_pess, uf00_coml_pess, tele_0002_pess, idforn)
  values (112, 'BENTO D''AVILA', 'D''AVILA HORTIFRUTI', 'CAMPINAS', 'SP', '1955556666', 701);
insert into pess (idpess, nome_pess, nome_conh, pess_codi_exte, idtrpt)
  values (120, 'CARLOS PEREIRA', 'CARLOS TRANSPORTES', 'EXT-120', 901);
insert into clie (idclie, idpess) values (501, 12);
insert into clie (idclie, idpess) values (503, 50);
insert into clie (idclie, idpess, data_desa) values (504, 99, '2024-03-15 10:00:00');
insert into forn (idforn, idpess) values (701, 112);
insert into vend (idvend, idpess) values (801, 30);
insert into trpt (idtrpt, idpess) values (901, 120);
insert into ativ (idativ, desc_ativ) values (1, 'FRUTAS');
insert into ativ (idativ, desc_ativ) values (2, 'FRUTAS SECAS');
insert into ativ (idativ, desc_ativ) values (3, 'LEGUMES');
insert into ativ (idativ, desc_ativ, data_desa) values (4, 'FLORES', '2020-01-01 00:00:00');
insert into pess_ativ (idpess_ativ, idpess, idativ) values (1, 12, 1);
insert into pess_ativ (idpess_ativ, idpess, idativ) values (2, 12, 2);
insert into pess_ativ (idpess_ativ, idpess, idativ) values (3, 99, 1);
insert into pess_ativ (idpess_ativ, idpess, idativ) values (4, 120, 1);
insert into pess_ativ (idpess_ativ, idpess, idativ) values (5, 30, 3);
