SELECT IDMARC FROM MARC WHERE DESC_MARC=''
SELECT PEDI_VEDS.DATA_PEDI FROM PEDI_VEDS WHERE (DATA_PEDI>='20240501 00:00' AND DATA_PEDI<='20240531 23:59') AND (PEDI_VEDS.DATA_DESA IS NULL) AND PEDI_VEDS.CODI_EMPR = '001' GROUP BY DATA_PEDI
SELECT VEND.IDVEND FROM VEND, PESS WHERE PESS.IDPESS = VEND.IDPESS AND PESS.NOME_CONH='ZECA'
select pedi_veds.nume_pedi, pedi_veds.data_pedi, pedi_veds_deta.QTDE from pedi_veds, pedi_veds_deta where pedi_veds.idpedi_veds = pedi_veds_deta.idpedi_veds and pedi_veds.data_pedi='20240502 00:00' and pedi_veds.idvend = '1' AND (pedi_veds.data_desa is null) ORDER BY pedi_veds.data_pedi, pedi_veds.idvend
select pedi_veds.nume_pedi, pedi_veds.data_pedi from pedi_veds where pedi_veds.data_pedi='20240502 00:00' and pedi_veds.idvend = '1' AND (pedi_veds.data_desa is null) ORDER BY pedi_veds.data_pedi, pedi_veds.idvend
SELECT VEND.IDVEND FROM VEND, PESS WHERE PESS.IDPESS = VEND.IDPESS AND PESS.NOME_CONH='ZECA'
select pedi_veds.nume_pedi, pedi_veds.data_pedi, pedi_veds_deta.QTDE from pedi_veds, pedi_veds_deta where pedi_veds.idpedi_veds = pedi_veds_deta.idpedi_veds and pedi_veds.data_pedi='20240503 00:00' and pedi_veds.idvend = '1' AND (pedi_veds.data_desa is null) ORDER BY pedi_veds.data_pedi, pedi_veds.idvend
SELECT VEND.IDVEND FROM VEND, PESS WHERE PESS.IDPESS = VEND.IDPESS AND PESS.NOME_CONH='ZECA'
select pedi_veds.nume_pedi, pedi_veds.data_pedi, pedi_veds_deta.QTDE from pedi_veds, pedi_veds_deta where pedi_veds.idpedi_veds = pedi_veds_deta.idpedi_veds and pedi_veds.data_pedi='20240506 00:00' and pedi_veds.idvend = '1' AND (pedi_veds.data_desa is null) ORDER BY pedi_veds.data_pedi, pedi_veds.idvend
select pedi_veds.nume_pedi, pedi_veds.data_pedi from pedi_veds where pedi_veds.data_pedi='20240506 00:00' and pedi_veds.idvend = '1' AND (pedi_veds.data_desa is null) ORDER BY pedi_veds.data_pedi, pedi_veds.idvend
