SELECT IDMARC FROM MARC WHERE DESC_MARC=''
SELECT PEDI_VEDS.IDPEDI_VEDS FROM PEDI_VEDS WHERE (DATA_REAL_ENTG>='20240601 00:00' AND DATA_REAL_ENTG<='20240630 23:59')
SELECT prod.codi_prod, sum(pedi_veds_deta.qtde) as qtde From pedi_veds, pedi_veds_deta, prod Where pedi_veds.idpedi_veds = pedi_veds_deta.idpedi_veds and pedi_veds_deta.idprod = prod.idprod and pedi_veds_deta.data_desa is null and (DATA_REAL_ENTG>='20240601 00:00' and DATA_REAL_ENTG<='20240630 23:59') group by prod.codi_prod
SELECT DESC_PROD FROM PROD WHERE CODI_PROD=''
SELECT DESC_PROD FROM PROD WHERE CODI_PROD='BN01'
SELECT DESC_PROD FROM PROD WHERE CODI_PROD='BP01'
SELECT DESC_PROD FROM PROD WHERE CODI_PROD='BX01'
