"""Prints an exported file as JSON for the export tests to check.

  le_planilha.py xlsx FILE   sheets: name, frozen cell, autofilter range and
                             every cell's value, type and boldness
  le_planilha.py csv FILE    the rows as Python's csv module reads them with
                             ';' between fields and the BOM taken off
"""
import csv
import datetime
import json
import sys


def celula(c):
    valor = c.value
    if isinstance(valor, datetime.datetime):
        valor = valor.strftime("%d/%m/%Y")
    return {"v": valor, "t": c.data_type, "b": bool(c.font and c.font.b), "f": c.number_format}


def xlsx(arquivo):
    import openpyxl
    livro = openpyxl.load_workbook(arquivo)
    return [{"nome": folha.title, "congelada": folha.freeze_panes, "filtro": folha.auto_filter.ref,
             "linhas": [[celula(c) for c in linha] for linha in folha.iter_rows()]}
            for folha in livro.worksheets]


def csv_(arquivo):
    with open(arquivo, encoding="utf-8-sig", newline="") as entrada:
        return list(csv.reader(entrada, delimiter=";"))


json.dump(xlsx(sys.argv[2]) if sys.argv[1] == "xlsx" else csv_(sys.argv[2]), sys.stdout, ensure_ascii=False)
