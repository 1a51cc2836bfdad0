#!/usr/bin/env python3
"""Independent figures for the court-table calculators' realistic tests.

Works from the rules as written, in decimal arithmetic, on the shipped
tables: one plan whose difference is carried month by month with a court
table's percentage (period p takes the amount from the 1st of p to the 1st of
p + 1, divided by the currency divisor of p), every value rounded to two
decimals half away from zero before it is used again; then the simple period
interest (rate x whole months) and the fees.  The state court correction
multiplies the difference by factor(update) / factor(month after the purge).

    python3 tests/tools/court_reference.py           # prints the figures
    python3 tests/tools/court_reference.py --write   # also writes the golden reports

The second half recomputes three whole calculations (the scenarios of
tests/core/calc/court/court_golden_test.cpp) and writes their whole reports
line by line from the report rules, independently of the program:
tests/data/golden/court_state.html, court_month_by_month.html and
court_federal.html (Windows-1252, every added text ended by CR LF).  The
plan grids, the month-by-month spreadsheet, the period interest, the notes
and the style block are those of daily_reference.py, called with the court
tables' options (no purge application grid, the monthly interest followed by
"%", column 13 not divided by the currency divisor), as are its text, number
and date helpers.
"""
from decimal import Decimal as D, ROUND_HALF_UP
from pathlib import Path

WS = Path(__file__).resolve().parents[2] / "data" / "workspace"


def r2(x):
    return x.quantize(D("0.01"), rounding=ROUND_HALF_UP)


def num(s):
    return D(s.replace(".", "").replace(",", ".")) if s.strip() else D(0)


def table(name):
    rows = {}
    for line in (WS / name).read_bytes().decode("cp1252").split("\r\n")[1:]:
        cells = line.split("\t")
        if cells and cells[0]:
            rows[cells[0]] = cells
    return rows


def next_month(m):
    mm, yy = int(m[:2]), int(m[3:])
    mm += 1
    if mm == 13:
        mm, yy = 1, yy + 1
    return f"{mm:02d}/{yy}"


def month_by_month(tab, purge, update, balance, pct, day=1):
    t = table(tab)
    diff = r2(balance * pct / 100)
    value = diff
    period = next_month(purge)
    rows = [value]
    while True:
        cells = t[period]
        h = num(cells[33]) if cells[33].strip() else D(1)
        value = r2(value * (1 + num(cells[day]) / 100) / h)
        rows.append(value)
        if period == update:
            break
        period = next_month(period)
    return diff, rows


def period_interest(rate, months):
    return (rate * months).quantize(D("0.0001"), rounding=ROUND_HALF_UP)


def main():
    # Federal: Plano Bresser (8,0802%), balance 1.000,00 on day 1, up to 12/1987,
    # 0,5% a month from 01/07/1987 to 01/12/1987 (5 months).
    diff, rows = month_by_month("jf.tab", "06/1987", "12/1987", D("1000"), D("8.0802"))
    p = r2(period_interest(D("0.5"), 5))
    a = rows[-1]
    g = p * a / 100 + a
    print("federal: diff", diff, "rows", [str(x) for x in rows], "P", p, "G", r2(g))

    # Month-by-month (TJSP): Plano Bresser, balance 2.500,00, up to 03/1989
    # (through the 01/1989 divisor of 1000), fee 10% of the total.
    diff, rows = month_by_month("tjsp.tab", "06/1987", "03/1989", D("2500"), D("8.0802"))
    a = rows[-1]
    fee = a * 10 / 100
    print("tjsp: diff", diff, "final", a, "rows", len(rows), "fee", r2(fee), "total", r2(a + fee))

    # State (TJSP factors): Plano Bresser, balance 1.000,00, up to 03/2023.
    f = table("Tribunal de Justiça São Paulo.tab")
    diff = r2(D("1000") * D("8.0802") / 100)
    cb, cu = num(f["07/1987"][1]), num(f["03/2023"][1])
    corrected = r2(diff / cb * cu)
    # Moratory 1% a month from 01/01/2000 to 01/01/2001 (12 months).
    m = r2(D(1) * 12)
    v = corrected * (1 + m / 100)
    print("state: diff", diff, "cB", cb, "cU", cu, "corrected", corrected, "M", m, "V", r2(v))


# ---------------------------------------------------------------------------
# Whole calculations and reports

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from daily_reference import (KEYWORDS, T2, amort_table, cat, cat_row, differences_table,  # noqa: E402
                             entre_datas, finalise_sheet, load_tab, opening_lines, parse_date,
                             percent_fee_lines, period_interest_rows, plan_grids, span_line, spreadsheet,
                             style_lines, worded_explanation)
from daily_reference import num as rnum  # noqa: E402

GOLDEN = WS.parents[1] / "tests" / "data" / "golden"


def currency_of(index):
    """The "Moeda" of a plan: column 32 of the index row of its purge month."""
    def currency(plan):
        for row in index[1:]:
            if row[0] == plan[1]:
                return cat(row, 32)
        return ""
    return currency


def plan_rows_of(s):
    """The catalogue rows of the plans, then SPlanos, SBase (no Cnaou in these
    scenarios) and SSaldo after step 2."""
    plans = [cat_row(p) for p in s["plans"]]
    return (plans,) + plan_grids(plans, s["until"], s["balances"], s["currency"])


def percent_fee(s, base):
    """The scenario's fee, a percentage of base: (the percentage text, the amount)."""
    kind, e = s["fee"]
    assert kind == "por"
    return e, base * rnum(e) / 100


# --- State court table calculator ------------------------------------------

T0001 = load_tab("t0001.tab")
t0001_currency = currency_of(T0001)


def whole_months(a, b):
    y, m, _ = entre_datas(parse_date(a), parse_date(b))
    return y * 12 + m


def state(s):
    plans, splanos, sbase, ssaldo = plan_rows_of(s)
    f = load_tab("Tribunal de Justiça São Paulo.tab")

    def last_row(month):
        found = None
        for row in f[1:]:
            if row[0] == month:
                found = row
        return found

    def currency(month):
        row = last_row(month)
        return "" if row is None else row[2] + " "

    U = s["until"]
    sheet = [["Data Inicial", "Data Final", "Valor", "Índice de Correção", "Valor Corrigido"]]
    total = D(0)
    for k in range(len(ssaldo)):
        dd = "%02d" % int(ssaldo[k][3])
        B = sbase[k][3]
        cB, cU = last_row(B)[1], last_row(U)[1]
        value = currency(B) + sbase[k][4]
        corrected = T2(rnum(value) / rnum(cB) * rnum(cU))
        sheet.append([dd + "/" + B, dd + "/" + U, value, ":" + cB + " X " + cU, corrected])
        total += rnum(corrected)
    sheet.append(["", "", "", "Total", currency(U) + T2(total)])

    S, N = s["font"]
    span = span_line(S, N)
    font_table = '<table border =0 span style="font-size:' + S + ".0pt;font-family:" + N + '">'
    L = []
    add = L.append
    add("<html><head>\r\n<title>Atualização</title>\r\n</head>")
    add("<body>")
    add(span)
    add(font_table)
    for line in s["memo1"]:
        add("<tr><td><div align=Justify><b>" + line + "</b></div></td></tr>")
    add("</table></span>")
    add(span)
    add("<tr><td></td></tr>\r")
    for k, cr in enumerate(plans):
        L.extend(worded_explanation(k, cr, ssaldo, sbase, bold_opening=True))
    add("</span>")
    add("<p>&nbsp;</p>")
    add("</span></table>")
    add(font_table)
    last = len(sheet) - 1
    for r, row in enumerate(sheet):
        if r == last:
            add("<tr>\r\n" + "".join("<td><div align=Right><b>" + c + "</b></div></td>" for c in row))
        else:
            add("<tr>\r\n" + "".join("<td><div align=Right>" + c + "</div></td>" for c in row))
        add("</tr>")
    add("</table>")
    add(span)
    add("<tr><td> Tabela: Débitos Judiciais Tribunal de Justiça de São Paulo </td></tr>")
    add("</span>")

    T = sheet[last][4]
    t = rnum(T)
    start, end, rate = s["cjc"]
    n = whole_months(start, end)
    pct = T2(((1 + rnum(rate) / 100) ** n - 1) * 100)
    amount = T2(rnum(pct) * t / 100)
    V = rnum(amount) + t
    add("</br></br>")
    add(span)
    assert n > 1
    add("<p><b>JUROS REMUNERATÓRIOS</p><p>De" + start + " a " + end + ": " + str(n) + "(meses) x " + rate + "% = " +
        pct + "%</b></p><p><b>VALOR DOS JUROS: " + T + " x " + pct + "% = " + amount + "</b></p>")
    add("<b>TOTAL = " + amount + " + " + T + " = " + T2(V) + "</b>")
    add("</span>")

    add("</br></br>")
    add('<div align="Rigth">')
    add(span)
    add("<b>JUROS MORATÓRIOS</b>")
    M = D(0)
    for (a, b, r) in s["moratory"]:
        n = whole_months(a, b)
        add("</br></br>")
        if n > 1:
            rp = T2(rnum(r) * n)
            M += rnum(rp)
            add("<b>De " + a + " a " + b + ": " + str(n) + "(meses) x " + r + "% = " + rp + "%</b>")
        else:
            add("")
    base = V
    V = base * (1 + M / 100)
    add(span)
    add("</br></br>")
    add("<b>VALOR DOS JUROS MORATÓRIOS = " + T2(base) + " X " + T2(M) + "% = " + T2(base * M / 100) + "</b>")
    add("</br></br>")
    add("<b>VALOR DEVIDO (TOTAL + JUROS) = " + T2(V) + "</b>")
    add("</span>")
    add("</center>")
    add("</div>")

    e, fee = percent_fee(s, V)
    add(span)
    add("</br></br><b>HONORÁRIOS = " + T2(V) + " X " + e + "% = " + T2(fee) + "</b>")
    add("</br><b>VALOR DEVIDO + HONORÁRIOS = " + T2(V + fee) + "</b>")
    add("</span>")

    add("</br></br>")
    add('<table style="font-size:' + S + ".0pt;font-family:" + N + '">')
    for line in s["memo2"]:
        add("<tr><td><div align=Justify>" + line + "</div></td></tr>")
    add("</span></table>")
    add("</body></html>")
    return {"sheet": sheet, "sbase": sbase, "ssaldo": ssaldo, "report": L}


# --- Month-by-month and federal calculators ---------------------------------


STJUROS_HEADER = ["Data Inicial", "Data Final", "Juros %", ""]
SP_NOTES = "<tr><td> Índices usados: Tribunal de Justiça de São Paulo (OTN / IPC / INPC / IPC-r / INPC) </td></tr>\r"
JF_NOTES = "<tr><td> Índices usados: Justiça Federal (OTN/IPC/BTN/IPC/INPC/IPCA/UFIR/IPCA-E) </td></tr>\r"
def month_calculation(s, federal):
    index = load_tab(s["table"])
    s["currency"] = currency_of(index)
    plans, splanos, sbase, ssaldo = plan_rows_of(s)
    for row in ssaldo:  # "Finalizar" rewrites the balances
        row[4] = T2(rnum(row[4]))
    # The court tables' spreadsheet: no purge application grid, the monthly
    # interest written with "%", the carried amount of column 13 not divided.
    comjuros = s.get("comjuros", False)
    P = spreadsheet(splanos, sbase, ssaldo, amort_table(splanos, s.get("amort", {})), s.get("monthly", []),
                    comjuros, index=index, interest_suffix="%")
    finalise_sheet(P, comjuros, negate_empty=True)
    st = [STJUROS_HEADER] + period_interest_rows(s["period"], suffix="%")

    F, N = s["font"]
    span = span_line(F, N)
    style = 'style="font-size:' + F + ".0pt;font-family:" + N + '">'
    L = []
    add = L.append
    add("<html><head><title>Atualização</title>")
    if federal:
        add("<html><head>\r\n<title>Atualização</title>\r\n</head>")
        add("<body>")
        add("  " + KEYWORDS)
    else:
        add(KEYWORDS)
    L.extend(style_lines(F, fixed=federal) + ["</style></head> ", "<body>"])
    add(span)
    for line in s["memo1"]:
        add("<tr><td><div align=Justify><p><b>" + line + "</b></p></div></td></tr>")
    add("</spam>")
    add(span)
    if federal:
        add(JF_NOTES)
        for k, cr in enumerate(plans):
            L.extend(worded_explanation(k, cr, ssaldo, sbase))
        add("</span>")
    else:
        add(SP_NOTES)
        add("</br></br> DEMONSTRATIVO DAS DIFERENÇAS DEVIDAS </br></br>")
        L.extend(differences_table(plans, ssaldo, sbase))
    if federal:
        L.extend(opening_lines(ssaldo, sbase))
    else:
        add("<tr><td><p>&nbsp;</p></td></tr>")
        add("<p>&nbsp;</p>")

    add("<body>\r\n<table border =0  span " + style + "\r\n")
    last = P.rows - 1
    for r in range(P.rows):
        g = P.get
        for c in range(8, 16):
            if g(c, r) == "":
                continue
            if c == 8:
                add("<tr>\r\n<td><td><td><td><td>" + g(1, r) + "&nbsp;<td><td><div align=Left>" + g(8, r) +
                    "&nbsp;</div><td><div align=Right>" + g(11, r) +
                    "&nbsp;</div></td></td></td></td></td></td></td></td>" + "</tr>")
            if c == 12:
                add("<tr>\r\n<td><td><td><td><td><td><td><b><div align=Left>Adição - diferença faltante em conta em " +
                    g(1, r) + "&nbsp; referente ao plano " + g(15, r) + "&nbsp;</div></b><td><b><div align=Right>" +
                    g(12, r) + "&nbsp;</div></b></td></td></td></td></td></td></td></td>" + "</tr>")
        if r == last:
            cells = "".join("<td><div align=Right><b>" + g(c, r) + "&nbsp;</b></div></td>" for c in range(8))
        else:
            cells = "".join("<td><div align=Right>" + g(c, r) + "&nbsp;</div></td>" for c in range(8))
        add("<thead><tr>\r\n" + cells + "</tr></thead>" if r == 0 else "<tr>\r\n" + cells + "</tr>")
    add("</table>")
    add(span)
    A = P.get(5, last)
    add("<p>&nbsp;</p>")
    add('<div align="center">')
    add("<center>")
    add("<b>JUROS</b>")
    add("<body>\r\n<table border =1 span " + style + "\r\n")
    for row in st:
        add("<tr>\r\n" + "".join("<td><div align=Right>" + t + "&nbsp;</div></td>" for t in row))
        add("</tr>")
    add("</table>")
    add("<p>&nbsp;</p>")
    Ptext = st[-1][3]
    G = rnum(Ptext) * rnum(A) / 100 + rnum(A)
    add("<b>TOTAL = " + A + " X " + Ptext + " = " + T2(G) + "</b>")
    add("<p>&nbsp;</p>")
    add("</center>")
    add("</div>")
    fee = None
    if federal:
        add("<p>&nbsp;</p>")
    else:
        add("<p>&nbsp;<p/>")
        add('<div align="Center">')
        add("<Center>")
        e, fee = percent_fee(s, G)
        L.extend(percent_fee_lines(G, e, fee, G + fee))
    add(span)
    for line in s["memo2"]:
        add("<tr><td><div align=Justify>" + line + "</div></td></tr>")
    add("</span>")
    add("</body></html>")
    return {"sheet": P, "sbase": sbase, "ssaldo": ssaldo, "stjuros": st, "A": A, "G": G, "fee": fee, "report": L}


# The scenarios of court_golden_test.cpp, as the grids hold them after the
# user leaves them.
STATE = dict(
    plans=["Plano Bresser", "Plano Verão"], until="03/2023",
    balances=[("1", "1.000,00"), ("15", "25.000,00")], currency=t0001_currency,
    cjc=("01/04/2015", "01/03/2023", "0,50"),
    moratory=[("01/04/2015", "01/03/2023", "1"), ("01/03/2023", "20/03/2023", "0,5")],
    fee=("por", "10,00"),
    memo1=["Ação de cobrança — expurgos da poupança", "Autora: Maria Antônia da Conceição"],
    memo2=["São Paulo, 12 de maio de 2025."],
    font=("10", "Times New Roman"))

MONTH_BY_MONTH = dict(
    table="tjsp.tab", plans=["Plano Bresser", "Plano Verão"], until="12/1989",
    balances=[("1", "2.500,00"), ("15", "40.000,00")],
    comjuros=True,
    monthly=[("01/07/1987", "31/12/1988", "0,5", "Não"), ("01/01/1989", "31/12/1989", "1", "Sim")],
    period=[("15/01/1990", "20/06/1995", "0,5"), ("21/06/1995", "31/03/2003", "1")],
    amort={"03/1988": ("Crédito parcial", "100,00"), "06/1989": ("Valor incontroverso", "5,00")},
    fee=("por", "10,00"),
    memo1=["Liquidação de sentença — caderneta nº 1234-5"],
    memo2=["Cálculo conferido pela contadoria.", "São Paulo, 12 de maio de 2025."],
    font=("8", "Arial"))

FEDERAL = dict(
    table="jf.tab", plans=["Plano Bresser", "Plano Verão"], until="12/1989",
    balances=[("10", "80.000,00"), ("1", "250.000,00")],
    period=[("01/01/1990", "01/07/1994", "0,5"), ("02/07/1994", "31/12/2002", "1")],
    amort={"05/1988": ("Pagamento parcial", "500,00")},
    memo1=["Justiça Federal — Seção Judiciária de São Paulo", "Autor: João Antônio"],
    memo2=["Brasília, 12 de maio de 2025."],
    font=("9", "Verdana"))


def golden():
    out = {}
    res = state(STATE)
    out["court_state.html"] = res
    print("state golden: sheet", [r[4] for r in res["sheet"][1:]],
          [ln for ln in res["report"] if "TOTAL" in ln or "VALOR" in ln or "HONOR" in ln])
    for name, s, federal in (("court_month_by_month.html", MONTH_BY_MONTH, False),
                             ("court_federal.html", FEDERAL, True)):
        res = month_calculation(dict(s), federal)
        out[name] = res
        P = res["sheet"]
        print(name, "SBase", [r[4] for r in res["sbase"]], "rows", P.rows, "A", res["A"], "P", res["stjuros"][-1][3],
              "G", T2(res["G"]), "fee", None if res["fee"] is None else T2(res["fee"]))
    return out


if __name__ == "__main__":
    main()
    reports = golden()
    if "--write" in sys.argv:
        for name, res in reports.items():
            (GOLDEN / name).write_bytes("".join(ln + "\r\n" for ln in res["report"]).encode("cp1252"))
