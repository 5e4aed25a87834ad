SELECT IDMARC FROM MARC WHERE DESC_MARC=''
SELECT PEDI_VEDS.* FROM PEDI_VEDS, CLIE, PESS WHERE (PEDI_VEDS.IDCLIE = CLIE.IDCLIE AND CLIE.IDPESS = PESS.IDPESS) AND (DATA_PEDI>='20240601 00:00' AND DATA_PEDI<='20240630 23:59') AND (PEDI_VEDS.DATA_DESA IS NULL) AND PEDI_VEDS.CODI_EMPR = '003' ORDER BY IDPEDI_VEDS
SELECT PESS.NOME_PESS FROM CLIE, PESS WHERE PESS.IDPESS = CLIE.IDPESS AND CLIE.IDCLIE = '1'
SELECT PESS.NOME_CONH FROM PESS, VEND WHERE PESS.IDPESS = VEND.IDPESS AND VEND.IDVEND = 1
SELECT pedi_veds_deta.*, prod.idprod, prod.codi_prod, prod.desc_prod From pedi_veds_deta, prod Where pedi_veds_deta.idprod = prod.idprod and pedi_veds_deta.idPedi_Veds = 20 and pedi_veds_deta.data_desa is null  
SELECT * FROM EMPR_CNFG WHERE NOME_PARA='MODELO_PEDI_VEDS'
SELECT * FROM EMPR_CNFG WHERE NOME_PARA='MODELO_PEDI_VEDS'
SELECT * FROM EMPR_CNFG WHERE NOME_PARA='MODELO_PEDI_VEDS'
SELECT * FROM EMPR_CNFG WHERE NOME_PARA='MODELO_PEDI_VEDS'
SELECT PESS.NOME_PESS FROM CLIE, PESS WHERE PESS.IDPESS = CLIE.IDPESS AND CLIE.IDCLIE = '2'
SELECT PESS.NOME_CONH FROM PESS, VEND WHERE PESS.IDPESS = VEND.IDPESS AND VEND.IDVEND = 2
SELECT pedi_veds_deta.*, prod.idprod, prod.codi_prod, prod.desc_prod From pedi_veds_deta, prod Where pedi_veds_deta.idprod = prod.idprod and pedi_veds_deta.idPedi_Veds = 21 and pedi_veds_deta.data_desa is null  
SELECT * FROM EMPR_CNFG WHERE NOME_PARA='MODELO_PEDI_VEDS'
SELECT * FROM EMPR_CNFG WHERE NOME_PARA='MODELO_PEDI_VEDS'
SELECT * FROM EMPR_CNFG WHERE NOME_PARA='MODELO_PEDI_VEDS'
SELECT PESS.NOME_PESS FROM CLIE, PESS WHERE PESS.IDPESS = CLIE.IDPESS AND CLIE.IDCLIE = '3'
SELECT PESS.NOME_CONH FROM PESS, VEND WHERE PESS.IDPESS = VEND.IDPESS AND VEND.IDVEND = 77
SELECT pedi_veds_deta.*, prod.idprod, prod.codi_prod, prod.desc_prod From pedi_veds_deta, prod Where pedi_veds_deta.idprod = prod.idprod and pedi_veds_deta.idPedi_Veds = 22 and pedi_veds_deta.data_desa is null  
SELECT * FROM EMPR_CNFG WHERE NOME_PARA='MODELO_PEDI_VEDS'
SELECT * FROM EMPR_CNFG WHERE NOME_PARA='MODELO_PEDI_VEDS'
SELECT PESS.NOME_PESS FROM CLIE, PESS WHERE PESS.IDPESS = CLIE.IDPESS AND CLIE.IDCLIE = '1'
SELECT pedi_veds_deta.*, prod.idprod, prod.codi_prod, prod.desc_prod From pedi_veds_deta, prod Where pedi_veds_deta.idprod = prod.idprod and pedi_veds_deta.idPedi_Veds = 24 and pedi_veds_deta.data_desa is null  
SELECT * FROM EMPR_CNFG WHERE NOME_PARA='MODELO_PEDI_VEDS'
SELECT * FROM EMPR_CNFG WHERE NOME_PARA='MODELO_PEDI_VEDS'
SELECT PESS.NOME_PESS FROM CLIE, PESS WHERE PESS.IDPESS = CLIE.IDPESS AND CLIE.IDCLIE = '2'
SELECT PESS.NOME_CONH FROM PESS, VEND WHERE PESS.IDPESS = VEND.IDPESS AND VEND.IDVEND = 1
SELECT pedi_veds_deta.*, prod.idprod, prod.codi_prod, prod.desc_prod From pedi_veds_deta, prod Where pedi_veds_deta.idprod = prod.idprod and pedi_veds_deta.idPedi_Veds = 25 and pedi_veds_deta.data_desa is null  
SELECT * FROM EMPR_CNFG WHERE NOME_PARA='MODELO_PEDI_VEDS'
SELECT * FROM EMPR_CNFG WHERE NOME_PARA='MODELO_PEDI_VEDS'
SELECT PESS.NOME_PESS FROM CLIE, PESS WHERE PESS.IDPESS = CLIE.IDPESS AND CLIE.IDCLIE = '3'
SELECT pedi_veds_deta.*, prod.idprod, prod.codi_prod, prod.desc_prod From pedi_veds_deta, prod Where pedi_veds_deta.idprod = prod.idprod and pedi_veds_deta.idPedi_Veds = 26 and pedi_veds_deta.data_desa is null  
