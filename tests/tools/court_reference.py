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
spreadsheet, period interest and notes helpers of daily_reference.py are
reused for text, number and date handling only.
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
import datetime

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from daily_reference import (Grid, T2, T4, add_months, entre_datas, has_digit,  # noqa: E402
                             load_tab, month_text, parse_date, parse_month)
from daily_reference import num as rnum  # noqa: E402

GOLDEN = WS.parents[1] / "tests" / "data" / "golden"
CATALOGUE = load_tab("planos2.ini")


def cat_row(name):
    for row in CATALOGUE[1:]:
        if row[0] == name:
            return row
    raise KeyError(name)


def cat(row, col):
    return row[col] if col < len(row) else ""


def cell(rows, col, r):
    cells = rows[r]
    return cells[col] if col < len(cells) else ""


def span_line(S, N):
    return '<span style="font-size:' + S + ".0pt;font-family:" + N + '">'


def plan_rows_of(s):
    """SPlanos, SBase (no Cnaou in these scenarios) and SSaldo after step 2."""
    plans = [cat_row(p) for p in s["plans"]]
    splanos = [(r[0], r[1]) for r in plans] + [("Atualizar até", s["until"])]
    sbase, ssaldo = [], []
    for r, (day, bal) in zip(plans, s["balances"]):
        sbase.append([r[0], r[1], r[2], month_text(add_months(parse_month(r[1]), 1)), ""])
        ssaldo.append([r[0], r[1], s["currency"](r), day, bal])
    for k, row in enumerate(sbase):
        c3 = cat(plans[k], 3)
        divisor = rnum(c3) if has_digit(c3) else D(1)
        row[4] = T2(rnum(ssaldo[k][4]) * rnum(row[2]) / 100 / divisor)
    return plans, splanos, sbase, ssaldo


def worded_explanation(k, cr, ssaldo, sbase, state):
    """The per-plan notes: the state calculator's variant opens the first line
    in bold and writes " = " before the currency; the federal one " = <b>"."""
    L = []
    sa, sb = ssaldo[k], sbase[k]
    if state:
        L.append("<p><tr><td><b>" + sa[0] + " - saldo em conta em " + sa[3] + "/" + sb[1] + " = " + sa[2] + sa[4] +
                 "</b></td></tr>")
    else:
        L.append("<p><tr><td>" + sa[0] + " - saldo em conta em " + sa[3] + "/" + sb[1] + " = <b>" + sa[2] + sa[4] +
                 "</b></td></tr>")
    L.append("<p><tr><td> Percentual de correção monetária com base na variação da " + cat(cr, 5) + " para " +
             cat(cr, 1) + ": " + cat(cr, 6) + ". </td></tr>")
    L.append("<p><tr><td> Variação com base no " + cat(cr, 7) + " para " + sb[3] + ": " + cat(cr, 8) + " </td></tr>")
    b, e = cat(cr, 6), cat(cr, 8)
    B = D("0.5") + D("1.005") * rnum(b) if has_digit(b) else D(0)
    R = D("0.5") + D("1.005") * rnum(e) if has_digit(e) else D(0)
    if has_digit(b):
        L.append("<p><tr><td> " + b + " + 0,5% de juros = " + T4(B) + "% </td></tr>")
    if has_digit(e):
        L.append("<p><tr><td> " + e + " + 0,5% de juros = " + T4(R) + "% </td></tr>")
    if has_digit(b) and has_digit(e):
        L.append("<p><tr><td> " + T4(R) + "% - " + T4(B) + "% = <b>" + T4(R - B) + "%</b> </td></tr>")
        if has_digit(cat(cr, 3)):
            L.append("<p><tr><td> Valor faltante em conta em " + sb[3] + " = " + sa[4] + "X " + T4(R - B) + "% : " +
                     cat(cr, 3) + " = <b>" + cat(cr, 9) + " " + sb[4] + "</b></td></tr>")
        else:
            L.append("<p><tr><td> Valor faltante em conta em " + sb[3] + " = " + sa[4] + "X " + T4(R - B) + "% = <b>" +
                     cat(cr, 4) + " " + sb[4] + "</b></td></tr>")
    return L


# --- State court table calculator ------------------------------------------

T0001 = load_tab("t0001.tab")


def t0001_currency(plan):
    for row in T0001[1:]:
        if row[0] == plan[1]:
            return cell([row], 32, 0)
    return ""


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
        L.extend(worded_explanation(k, cr, ssaldo, sbase, state=True))
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

    kind, e = s["fee"]
    assert kind == "por"
    fee = V * rnum(e) / 100
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


def court_sheet(s, index, splanos, sbase, ssaldo, plans):
    """The month-by-month spreadsheet of the court tables: the savings
    spreadsheet without the purge application grid, with "0%" or the rate and
    "%" in the interest column, and the carried amount not divided."""
    def idx(col, row):
        return cell(index, col, row)

    amort_months = []
    first, last = parse_month(splanos[0][1]), parse_month(s["until"])
    n = 1
    while True:
        m = add_months(first, n)
        amort_months.append(month_text(m))
        if not m < last:
            break
        n += 1
    for m in s.get("amort", {}):
        assert m in amort_months, m

    def find_amort(month):
        if month in s.get("amort", {}) and month in amort_months:
            d, v = s["amort"][month]
            if has_digit(v):
                return d, T2(rnum(v))
        return None

    quarter = {"acc": D(0), "count": 1}

    def devolvejuro(date):
        result = D(0)
        for (a, b, rate, tri) in s.get("monthly", []):
            if not (parse_date(a) <= date <= parse_date(b)):
                continue
            if tri == "Não":
                result = rnum(rate)
            else:
                quarter["acc"] += rnum(rate)
                if quarter["count"] == 3:
                    result, quarter["acc"], quarter["count"] = quarter["acc"], D(0), 1
                else:
                    quarter["count"] += 1
                    result = D(0)
        return result

    P = Grid(16, 2)
    h = D(1)

    def carried(r):
        c = rnum(P.get(7, r - 1)) - rnum(P.get(11, r))
        if has_digit(P.get(12, r)):
            c += rnum(P.get(12, r))
        return c

    comjuros = s.get("comjuros", False)
    for k in range(1, len(ssaldo) + 1):
        R0 = P.rows - 1
        R1 = R0 + 1
        d = int(ssaldo[k - 1][3])
        purge = parse_month(splanos[k - 1][1])
        stop = parse_month(splanos[k][1])
        i = 1
        while True:
            credit = add_months(purge, i)
            row = R0 + i - 1
            if not comjuros:
                P.set(6, row, "0%")
            elif P.rows > 2:
                P.set(6, row, T2(devolvejuro(datetime.date(credit[0], credit[1], 1))) + "%")
            P.set(4, row, month_text(credit))
            P.rows += 1
            if not credit < stop:
                break
            i += 1
        diff = T2(rnum(sbase[k - 1][4]))
        P.set(5, R0, diff)
        P.set(7, R0, diff)
        if k >= 2:
            if not has_digit(P.get(11, R0)):
                P.set(11, R0, "0")
            if has_digit(P.get(7, R0 - 1)):
                P.set(5, R0, T2(carried(R0) * (1 + rnum(P.get(2, R0)) / 100) / h))
            if has_digit(P.get(6, R0)):
                P.set(7, R0, T2(rnum(P.get(5, R0)) * (1 + rnum(P.get(6, R0)) / 100)))
            found = find_amort(P.get(4, R0 - 1))
            if found:
                P.set(8, R0, found[0])
                P.set(11, R0, found[1])
            if not has_digit(P.get(11, R0)):
                P.set(11, R0, "0")
            P.set(10, R1, T2(rnum(ssaldo[k - 1][4])))
            P.set(9, R1, sbase[k - 1][2])
            P.set(12, R1, sbase[k - 1][4])
            P.set(13, R1, T2(rnum(P.get(7, R0 - 1)) - rnum(P.get(11, R0))))
            P.set(14, R1, T2(rnum(P.get(12, R1)) + rnum(P.get(13, R1))))
            P.set(15, R1, splanos[k - 1][0])
        x = 1
        for j in range(1, len(index)):
            if idx(0, j) == sbase[k - 1][3]:
                x = j
        first_block = k == 1
        for r in range(R0, P.rows):
            if r == 1:
                continue
            p = x if first_block else x - 1
            P.set(0, r, idx(32, p))
            P.set(1, r, idx(0, p))
            P.set(2, r, idx(d, p))
            h = rnum(idx(33, p)) if has_digit(idx(33, p)) else D(1)
            if first_block:
                P.set(3, r - 1, idx(32, x))
                P.set(3, r, idx(32, x))
            else:
                P.set(3, r, idx(32, x))
            found = find_amort(P.get(4, r - 1))
            if found:
                P.set(8, r, found[0])
                P.set(11, r, found[1])
            if not has_digit(P.get(11, r)):
                P.set(11, r, "0")
            if not first_block:
                if not has_digit(P.get(2, r)):
                    break
                if not has_digit(P.get(7, r - 1)):
                    P.set(7, r - 1, "0")
            if has_digit(P.get(7, r - 1)):
                P.set(5, r, T2(carried(r) * (1 + rnum(P.get(2, r)) / 100) / h))
            if has_digit(P.get(6, r)):
                P.set(7, r, T2(rnum(P.get(5, r)) * (1 + rnum(P.get(6, r)) / 100)))
            if not first_block and has_digit(P.get(14, r)):
                P.set(5, r, T2(carried(r) * (1 + rnum(P.get(2, r)) / 100) / h))
                if not has_digit(P.get(6, r)):
                    P.set(6, r, "0")
                P.set(7, r, T2(rnum(P.get(5, r)) * (1 + rnum(P.get(6, r)) / 100)))
            x += 1
    headers = ["Moeda do inicio do período de rendimento", "Período de Rendimento", "Rendimento (%)",
               "Moeda do inicio do mês de crédito em conta", "Mês do crédito em conta",
               "Valor corrigido a partir da base de cálculo", "Juros", "Valor + Juros"]
    for c, t in enumerate(headers):
        P.set(c, 0, t)
    # "Finalizar": amortisation amounts negative, the interest columns' headers.
    for r in range(1, P.rows):
        if P.get(11, r) != "0":
            P.set(11, r, "-" + P.get(11, r))
    if comjuros:
        P.set(6, 0, "Juros")
        P.set(7, 0, "Juros + Valor")
    else:
        for r in range(P.rows):
            P.set(6, r, "")
        P.set(7, 0, "Valor")
    return P


def period_rows(s):
    """STJuros after the interest page: the row percentages and the total, each
    followed by "%"."""
    rows = [["Data Inicial", "Data Final", "Juros %", ""]]
    for (a, b, rate) in s["period"]:
        y, m, _ = entre_datas(parse_date(a), parse_date(b))
        rows.append([a, b, rate, T4(rnum(rate) * (y * 12 + m)) + "%"])
    rows.append(["", "", "Total", T2(sum((rnum(r[3]) for r in rows[1:]), D(0))) + "%"])
    return rows


MONTH_STYLE = [
    "div.conteudodatabela {", "\twidth: 65%;\t\t/* table width will be 99% of this*/",
    "\theight: 200px; \t/* must be greater than tbody*/", "\toverflow: auto;", "\tmargin: 0 auto;", "\t}",
    "table {", "\twidth: 99%;\t\t/*100% of container produces horiz. scroll in Mozilla*/", "\tborder: none;", "}",
    "table>tbody\t{  /* child selector syntax which IE6 and older do not support*/", "\toverflow: auto;",
    "\theight: 200px;", "\toverflow-x: hidden;", "\t}",
    "thead tr\t{", "\tposition:{pos};", "\ttop: expression(offsetParent.scrollTop); /*IE5+ only*/", "\t}",
    "thead td, thead th {", "\ttext-align: center;", "\tfont-size:{F}.0pt;", "\tfont-weight: bold;",
    "\tborder-top: solid 1px #d8d8d8;", "\t}",
    "td\t{", "\tcolor: #000;", "\tpadding-right: 2px;", "\tfont-size:{F}.0pt;", "\ttext-align: right;",
    "\tborder-bottom: solid 1px #d8d8d8;", "\tborder-left: solid 1px #d8d8d8;", "\tborder-right: solid 1px #d8d8d8;",
    "\t}",
    "{tfoot}", "      position: {pos2};", "      overflow-x: hidden;",
    "      top: expression(parentNode.parentNode.offsetHeight >=", "{expr}", "      }",
    "tfoot td\t{", "\ttext-align: center;", "\tfont-size:{F}.0pt;", "\tfont-weight: bold;",
    "\tborder-top: solid 1px slategray;", "\t}",
    "td:last-child {padding-right: 20px;} /*prevent Mozilla scrollbar from hiding cell content*/",
    "</style>", "<!-- Estilo para impressão -->", '<style type="text/css" media="print">',
    "div.conteudodatabela {overflow: visible;\t}", "table>tbody\t{overflow: visible; }",
    "td {height: 14pt;} /*adds control for test purposes*/", "thead td\t{font-size:{F}.0pt;\t}",
    "tfoot td\t{", "\ttext-align: center;", "\tfont-size:{F}.0pt;", "\tborder-bottom: solid 1px slategray;", "\t}",
    "thead\t{display: table-header-group;\t}", "tfoot\t{display: table-footer-group;\t}",
    "thead th, thead td\t{position: {pos3}; }",
    "thead tr\t{position: {pos3}; } /*prevent problem if print after scrolling table*/",
    "table tfoot tr {     position: {pos3};    }",
]


def style_lines(F, federal):
    if federal:
        subst = {"{pos}": "fixed", "{pos2}": "fixed", "{pos3}": "fixed", "{tfoot}": "table tfoot tr {",
                 "{expr}": "\t  offsetParent.offsetHeight ? 0 - parentNode.parentNode.offsetHeight "
                           "offsetParent.offsetHeight + offsetParent.scrollTop : 0);"}
    else:
        subst = {"{pos}": "relative", "{pos2}": "relative", "{pos3}": "static", "{tfoot}": "table tfoot tr { ",
                 "{expr}": "\t  offsetParent.offsetHeight ? 0 - parentNode.parentNode.offsetHeight + "
                           "offsetParent.offsetHeight + offsetParent.scrollTop : 0);"}
    out = ['<style type="text/css">']
    for t in MONTH_STYLE:
        for key, value in subst.items():
            t = t.replace(key, value)
        out.append(t.replace("{F}", F))
    if federal:
        out += [".quebrapagina {   page-break-before: always;}", "</style>"]
    out += ["</style></head> ", "<body>"]
    return out


SP_NOTES = "<tr><td> Índices usados: Tribunal de Justiça de São Paulo (OTN / IPC / INPC / IPC-r / INPC) </td></tr>\r"
JF_NOTES = "<tr><td> Índices usados: Justiça Federal (OTN/IPC/BTN/IPC/INPC/IPCA/UFIR/IPCA-E) </td></tr>\r"
KEYWORDS = ('<meta name="keywords" content="fixed table header; non-scroll header; fixed footer; freeze header; '
            'CSS tips; print repeating headers; print repeating footers">')


def month_calculation(s, federal):
    index = load_tab(s["table"])

    def index_currency(plan):
        for row in index[1:]:
            if row[0] == plan[1]:
                return cell([row], 32, 0)
        return ""

    s["currency"] = index_currency
    plans, splanos, sbase, ssaldo = plan_rows_of(s)
    for row in ssaldo:  # "Finalizar" rewrites the balances
        row[4] = T2(rnum(row[4]))
    P = court_sheet(s, index, splanos, sbase, ssaldo, plans)
    st = period_rows(s)

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
    L.extend(style_lines(F, federal))
    add(span)
    for line in s["memo1"]:
        add("<tr><td><div align=Justify><p><b>" + line + "</b></p></div></td></tr>")
    add("</spam>")
    add(span)
    if federal:
        add(JF_NOTES)
        for k, cr in enumerate(plans):
            L.extend(worded_explanation(k, cr, ssaldo, sbase, state=False))
        add("</span>")
    else:
        add(SP_NOTES)
        add("</br></br> DEMONSTRATIVO DAS DIFERENÇAS DEVIDAS </br></br>")
        add("<table>")
        add("<tr><td>Data</td><td>a) Saldo</td><td>b) Índice aplicado pelo Banco</td><td>c) Juros remuneratórios</td>"
            "<td>d) Saldo corrigido (a x (b + c))</td><td>e) INPC-IBGE</td><td>f) Juros remuneratórios</td>"
            "<td>g) Saldo corrigido (a x (e + f))</td><td>Percentual devido</td><td>Diferença devida (g - d)</td></tr>")
        for k, cr in enumerate(plans):
            a = rnum(ssaldo[k][4])
            m = cat(cr, 1)
            c = rnum(cat(cr, 3)) if has_digit(cat(cr, 3)) else D(1)

            def corrected(pct):
                if not has_digit(pct):
                    return D(0)
                v = a * ((rnum(pct) * D("1.005") + D("0.5")) / 100 + 1)
                return v / c if m == "01/1989" else v

            b, e = cat(cr, 6), cat(cr, 8)
            add("<tr><td>" + m + "</td><td>" + ssaldo[k][4] + "</td><td>" + b + "%</td>" + "<td>0,5%</td><td>" +
                T2(corrected(b)) + "</td>" + "<td>" + e + "%</td><td>0,5%</td><td>" + T2(corrected(e)) + "</td>" +
                "<td>" + sbase[k][2] + "%</td>" + "<td>" + sbase[k][4] + "</td></tr>")
        add("</table></br>")
    add("<tr><td><p>&nbsp;</p></td></tr>")
    if federal:
        add("<tr><td><p>&nbsp;</p></td></tr>")
        add("<tr><td><b> Valor em conta em " + ssaldo[0][1] + " = " + ssaldo[0][2] + T2(rnum(ssaldo[0][4])) +
            "</b></td></tr>")
        add("<tr><td><b> Diferença faltante em conta no mês seguinte em % = " + T4(rnum(sbase[0][2])) +
            "</b></td></tr>")
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
        kind, e = s["fee"]
        assert kind == "por"
        fee = G * rnum(e) / 100
        add("</br><b>Honorários = " + T2(G) + " X " + e + "% = " + T2(fee) + "</b>")
        add("</br><b>TOTAL + Honorários= " + T2(G + fee) + "</b>")
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
