#!/usr/bin/env python3
"""Independent reference computation of the daily savings calculator.

Recomputes, with decimal arithmetic only, the three whole calculations of
tests/core/calc/daily/daily_realistic_test.cpp from the default tables of
data/workspace (razidaro13.tab, planos2.ini, indice2.ini): the plan rows, the
differences (SBase), the period interest (STJuros), the month-by-month
spreadsheet (planilha), the split spreadsheet (planilha2), the totals and the
whole HTML report.

Every value that the calculator writes with the mask "#,##0.00" is rounded here
half up to 2 decimals, "#,##0.0000" and "0.0000" to 4 decimals, and the next
step reads the rounded text back, exactly as the calculator passes its values
through the grid cells.

It is not run by the build or CI. Usage (from anywhere):

    python3 tests/tools/daily_reference.py           # prints the C++ tables
    python3 tests/tools/daily_reference.py --write   # rewrites them in the test and the golden reports

--write replaces the block between the "BEGIN generated" and "END generated"
lines of daily_realistic_test.cpp and writes tests/data/golden/daily_realistic_*.html.
"""
import calendar
import datetime
import os
import sys
from decimal import Decimal, ROUND_HALF_UP, getcontext

getcontext().prec = 60

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DATA = os.path.join(ROOT, "data", "workspace")
GOLDEN = os.path.join(ROOT, "tests", "data", "golden")
TEST = os.path.join(ROOT, "tests", "core", "calc", "daily", "daily_realistic_test.cpp")

# ---------------------------------------------------------------------------
# Text and numbers


def has_digit(text):
    return any(ch.isdigit() for ch in text)


def num(text):
    """RemovePonto: keep ',', '-' and digits; ',' is the decimal separator."""
    kept = "".join(ch for ch in text if ch in ",-" or ch.isdigit())
    if not has_digit(kept):
        return Decimal(0)
    return Decimal(kept.replace(",", "."))


def fmt(value, decimals, group=True):
    q = Decimal(value).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    if q == 0:
        q = abs(q)
    sign = "-" if q < 0 else ""
    digits = f"{abs(q):f}"
    whole, _, frac = digits.partition(".")
    if group:
        parts = []
        while len(whole) > 3:
            parts.insert(0, whole[-3:])
            whole = whole[:-3]
        parts.insert(0, whole)
        whole = ".".join(parts)
    return sign + whole + ("," + frac if decimals else "")


def T2(v):
    return fmt(v, 2)


def T4(v):
    return fmt(v, 4)


def F0000(v):  # mask "0.0000"
    return fmt(v, 4, group=False)


# ---------------------------------------------------------------------------
# Months and dates


def parse_month(text):  # "mm/yyyy" -> (year, month)
    return int(text[3:7]), int(text[0:2])


def month_text(ym):
    return "%02d/%04d" % (ym[1], ym[0])


def add_months(ym, n):
    y, m = ym
    t = y * 12 + (m - 1) + n
    return t // 12, t % 12 + 1


def parse_date(text):
    return datetime.date(int(text[6:10]), int(text[3:5]), int(text[0:2]))


def shift(d, months):
    """The date moved by whole months, the day clamped to the month reached."""
    y, m = add_months((d.year, d.month), months)
    return datetime.date(y, m, min(d.day, calendar.monthrange(y, m)[1]))


def entre_datas(start, end):
    if not end > start:
        return 0, 0, 0

    def count(running, step):
        steps = 0
        cur = running
        while True:
            cur = shift(cur, -step)
            steps += 1
            if cur < start:
                return steps - 1, shift(cur, step)

    years, running = count(end, 12)
    months, running = count(running, 1)
    return years, months, (running - start).days


# ---------------------------------------------------------------------------
# Grids


class Grid:
    def __init__(self, cols, rows):
        self.cols, self.rows = cols, rows
        self.cells = {}

    def get(self, c, r):
        return self.cells.get((c, r), "")

    def set(self, c, r, v):
        self.cells[(c, r)] = v

    def row(self, r):
        return [self.get(c, r) for c in range(self.cols)]

    def delete_row(self, r):
        for rr in range(r, self.rows - 1):
            for c in range(self.cols):
                self.set(c, rr, self.get(c, rr + 1))
        self.rows -= 1


def load_tab(name):
    with open(os.path.join(DATA, name), "rb") as f:
        text = f.read().decode("cp1252")
    lines = text.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    return [ln.split("\t")[:-1] if ln.endswith("\t") else ln.split("\t") for ln in lines]


INDEX = load_tab("razidaro13.tab")
CATALOGUE = load_tab("planos2.ini")
APPLICATION = load_tab("indice2.ini")


def cat_row(name):
    for row in CATALOGUE[1:]:
        if row[0] == name:
            return row
    raise KeyError(name)


def cat(row, col):
    return row[col] if col < len(row) else ""


def plan_divisor(row):
    """The currency divisor of a catalogue plan (column 3), 1 where it is empty."""
    c3 = cat(row, 3)
    return num(c3) if has_digit(c3) else Decimal(1)


# ---------------------------------------------------------------------------
# Calculation steps shared with the court-table calculators (court_reference.py)


def plan_grids(plan_rows, until, balances, currency=lambda row: row[4], cnaou=False):
    """SPlanos, SBase and SSaldo once the differences are written (step 2).

    currency gives the "Moeda" column of SSaldo for a catalogue row; cnaou takes
    the 0,5% interest out of the difference percentage."""
    splanos = [(r[0], r[1]) for r in plan_rows] + [("Atualizar até", until)]
    sbase, ssaldo = [], []
    for r, (day, bal) in zip(plan_rows, balances):
        pct = F0000(num(r[2]) / Decimal("1.005")) if cnaou else r[2]
        sbase.append([r[0], r[1], pct, month_text(add_months(parse_month(r[1]), 1)), ""])
        ssaldo.append([r[0], r[1], currency(r), day, bal])
    for k, row in enumerate(sbase):
        row[4] = T2(num(ssaldo[k][4]) * num(row[2]) / 100 / plan_divisor(plan_rows[k]))
    return splanos, sbase, ssaldo


def amort_table(splanos, amort):
    """The amortisation month list (every month after the first purge up to
    "Atualizar até") as (month, description, amount) rows, from the amounts
    typed per month."""
    months = []
    first, last = parse_month(splanos[0][1]), parse_month(splanos[-1][1])
    n = 1
    while True:
        m = add_months(first, n)
        months.append(month_text(m))
        if not m < last:
            break
        n += 1
    for m in amort:
        assert m in months, m
    return [(m,) + tuple(amort.get(m, ("", ""))) for m in months]


def period_interest_rows(period, prorata=False, suffix=""):
    """STJuros below its header: each period's percentage (rate x whole months,
    plus rate / 30 x the remaining days with pro rata) and the "Total" row,
    each followed by suffix."""
    rows = []
    for (a, b, rate) in period:
        y, mo, d = entre_datas(parse_date(a), parse_date(b))
        pr = num(rate) / 30 * d if prorata else Decimal(0)
        rows.append([a, b, rate, T4(pr + num(rate) * (y * 12 + mo)) + suffix])
    total = sum((num(r[3]) for r in rows), Decimal(0))
    rows.append(["", "", "Total", T2(total) + suffix])
    return rows


def month_rate(monthly):
    """The monthly interest lookup (devolvejuro) over the (start, end, rate,
    quarterly) rows: a "Não" row gives its rate; a quarterly row adds its rate
    up and gives the sum every third lookup, 0 in between."""
    quarter = {"acc": Decimal(0), "count": 1}

    def lookup(date):
        result = Decimal(0)
        for (a, b, rate, tri) in monthly:
            if not (has_digit(a) and has_digit(b) and has_digit(rate)):
                continue
            if not (parse_date(a) <= date <= parse_date(b)):
                continue
            if tri == "Não":
                result = num(rate)
            else:
                quarter["acc"] += num(rate)
                if quarter["count"] == 3:
                    result = quarter["acc"]
                    quarter["acc"] = Decimal(0)
                    quarter["count"] = 1
                else:
                    quarter["count"] += 1
                    result = Decimal(0)
        return result

    return lookup


SHEET_HEADERS = ["Moeda do inicio do período de rendimento", "Período de Rendimento", "Rendimento (%)",
                 "Moeda do inicio do mês de crédito em conta", "Mês do crédito em conta",
                 "Valor corrigido a partir da base de cálculo", "Juros", "Valor + Juros"]


def spreadsheet(splanos, sbase, ssaldo, amort_rows, monthly, comjuros, index=INDEX, application=(),
                interest_suffix="", divisors=None):
    """The month-by-month spreadsheet (planilha) as entering its page leaves it.

    index is the yield or court table read month by month; application the
    purge application grid (a month switched to "Sim" takes its percentage
    instead of the table's); interest_suffix follows the monthly interest
    column's values ("0" or the rate); divisors, one per plan, divide the
    carried amount of column 13 (None: not divided)."""
    def idx(col, row):
        cells = index[row]
        return cells[col] if col < len(cells) else ""

    P = Grid(16, 2)
    h = Decimal(1)
    devolvejuro = month_rate(monthly)

    def find_amort(month):
        for (m, d, v) in amort_rows:
            if m == month and has_digit(v):
                return d, T2(num(v))
        return None

    def carried_value(r):
        c = num(P.get(7, r - 1)) - num(P.get(11, r))
        if has_digit(P.get(12, r)):
            c += num(P.get(12, r))
        return c

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
                P.set(6, row, "0" + interest_suffix)
            elif P.rows > 2:
                P.set(6, row, T2(devolvejuro(datetime.date(credit[0], credit[1], 1))) + interest_suffix)
            P.set(4, row, month_text(credit))
            P.rows += 1
            if not credit < stop:
                break
            i += 1
        diff = T2(num(sbase[k - 1][4]))
        P.set(5, R0, diff)
        P.set(7, R0, diff)
        if k >= 2:
            if not has_digit(P.get(11, R0)):
                P.set(11, R0, "0")
            if has_digit(P.get(7, R0 - 1)):
                P.set(5, R0, T2(carried_value(R0) * (1 + num(P.get(2, R0)) / 100) / h))
            if has_digit(P.get(6, R0)):
                P.set(7, R0, T2(num(P.get(5, R0)) * (1 + num(P.get(6, R0)) / 100)))
            found = find_amort(P.get(4, R0 - 1))
            if found:
                P.set(8, R0, found[0])
                P.set(11, R0, found[1])
            if not has_digit(P.get(11, R0)):
                P.set(11, R0, "0")
            P.set(10, R1, T2(num(ssaldo[k - 1][4])))
            P.set(9, R1, sbase[k - 1][2])
            P.set(12, R1, sbase[k - 1][4])
            carried = num(P.get(7, R0 - 1)) - num(P.get(11, R0))
            if divisors is not None:
                carried /= divisors[k - 1]
            P.set(13, R1, T2(carried))
            P.set(14, R1, T2(num(P.get(12, R1)) + num(P.get(13, R1))))
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
            for arow in application:
                if len(arow) >= 3 and arow[2] == "Sim" and arow[0] == P.get(1, r):
                    P.set(2, r, arow[1])
            h = num(idx(33, p)) if has_digit(idx(33, p)) else Decimal(1)
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
                P.set(5, r, T2(carried_value(r) * (1 + num(P.get(2, r)) / 100) / h))
            if has_digit(P.get(6, r)):
                P.set(7, r, T2(num(P.get(5, r)) * (1 + num(P.get(6, r)) / 100)))
            if not first_block and has_digit(P.get(14, r)):
                P.set(5, r, T2(carried_value(r) * (1 + num(P.get(2, r)) / 100) / h))
                if not has_digit(P.get(6, r)):
                    P.set(6, r, "0")
                P.set(7, r, T2(num(P.get(5, r)) * (1 + num(P.get(6, r)) / 100)))
            x += 1
    for c, t in enumerate(SHEET_HEADERS):
        P.set(c, 0, t)
    return P


def finalise_sheet(P, comjuros, negate_empty=False):
    """What "Finalizar" does to planilha: the amortisation amounts (column 11)
    get a leading "-" unless they are "0" (an empty one too with negate_empty,
    as the court calculators do), then the interest columns' headers, or the
    interest column emptied when no monthly interest is paid."""
    for r in range(1, P.rows):
        v = P.get(11, r)
        if v != "0" and (negate_empty or v.strip() != ""):
            P.set(11, r, "-" + v)
    if not comjuros:
        for r in range(0, P.rows):
            P.set(6, r, "")
        P.set(7, 0, "Valor")
    else:
        P.set(6, 0, "Juros")
        P.set(7, 0, "Juros + Valor")


# ---------------------------------------------------------------------------
# The calculation


class Scenario:
    """What the user ticks and types (texts as they stand after the grids are left)."""

    def __init__(self, name, **kw):
        self.name = name
        self.plans = kw["plans"]                  # catalogue plan names
        self.until = kw["until"]                  # "Atualizar até"
        self.balances = kw["balances"]            # (Dia base, Saldo) per plan
        self.rtr = kw.get("rtr", False)
        self.cnaou = kw.get("cnaou", False)
        self.period = kw.get("period", [])        # (start, end, rate)
        self.prorata = kw.get("prorata", False)
        self.monthly = kw.get("monthly", [])      # (start, end, rate, "Sim"/"Não")
        self.comjuros = kw.get("comjuros", False)
        self.amort = kw.get("amort", {})          # month -> (description, amount)
        self.fee = kw.get("fee")                  # None, ("por", text) or ("valor", text)
        self.memo1 = kw.get("memo1", [])
        self.memo2 = kw.get("memo2", [])
        self.font = kw.get("font", ("8", ""))
        self.notes = kw.get("notes", True)
        self.apply = kw.get("apply", [])         # months switched to "Sim" in the purge application grid


def compute(s):
    res = {}
    plan_rows = [cat_row(p) for p in s.plans]
    # Steps 1 and 2: SPlanos, SBase, SSaldo and the differences.
    splanos, sbase, ssaldo = plan_grids(plan_rows, s.until, s.balances, cnaou=s.cnaou)
    amort_rows = amort_table(splanos, s.amort)
    # Step 4: period interest.
    stjuros = None
    if s.period and has_digit(s.period[0][0]):
        stjuros = period_interest_rows(s.period, prorata=s.prorata)
    # The purge application grid as "Configurar Índice" left it.
    application = [[r[0], r[1], "Sim" if r[0] in s.apply else r[2]] for r in APPLICATION[1:]]
    # Step 5: spreadsheet.
    P = spreadsheet(splanos, sbase, ssaldo, amort_rows, s.monthly, s.comjuros, application=application,
                    divisors=[plan_divisor(r) for r in plan_rows])
    res["planilha_step5"] = [P.row(r) for r in range(1, P.rows)]

    # "Finalizar".
    for row in ssaldo:
        if has_digit(row[4]):
            row[4] = T2(num(row[4]))
    finalise_sheet(P, s.comjuros)
    P2 = Grid(18, P.rows)
    for r in range(P.rows):
        P2.set(0, r, P.get(0, r))
        P2.set(1, r, P.get(1, r))
        for c in range(2, 16):
            P2.set(c + 2, r, P.get(c, r))
    P2.set(2, 0, "Indexador")
    P2.set(3, 0, "Juros Remuneratórios")
    for r in range(2, P.rows):
        P2.set(3, r, "0,5%")
        y = num(P.get(2, r)) if has_digit(P.get(2, r)) else Decimal(0)
        P2.set(2, r, T4((y - Decimal("0.5")) / Decimal("1.005")) if y != 0 else "0,00")

    # Totals.
    sheet, final_col = (P2, 7) if s.rtr else (P, 5)
    F = sheet.get(final_col, sheet.rows - 1)
    if not has_digit(F):
        F = "0"
    with_interest = stjuros is not None and has_digit(stjuros[0][2])
    if with_interest:
        Ptext = stjuros[-1][3] if has_digit(stjuros[-1][3]) else "0"
        G = num(F) + num(F) * num(Ptext) / 100
    else:
        Ptext = None
        G = num(F)
    fee = total_fees = None
    if s.fee:
        kind, text = s.fee
        fee = num(text) / 100 * G if kind == "por" else num(text)
        total_fees = G + fee

    res.update(splanos=splanos, sbase=sbase, ssaldo=ssaldo, amort=amort_rows, stjuros=stjuros,
               planilha_final=[P.row(r) for r in range(0, P.rows)],
               planilha2=[P2.row(r) for r in range(0, P2.rows)],
               F=F, P=Ptext, G=G, fee=fee, total_fees=total_fees)
    res["report"] = report(s, res, P, P2, plan_rows, F, Ptext, G, fee, total_fees, with_interest)
    return res


# ---------------------------------------------------------------------------
# The report


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

KEYWORDS = ('<meta name="keywords" content="fixed table header; non-scroll header; fixed footer; freeze header; '
            'CSS tips; print repeating headers; print repeating footers">')


def style_lines(F, fixed):
    """The style block of the spreadsheet reports at font size F: the fixed
    variant (savings and federal reports) keeps the header and footer rows
    fixed and ends with the page-break class; the other (month-by-month court
    report) lets them scroll and leaves its last "<style>" open."""
    if fixed:
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
    if fixed:
        out += [".quebrapagina {   page-break-before: always;}", "</style>"]
    return out


def span_line(S, N):
    return '<span style="font-size:' + S + ".0pt;font-family:" + N + '">'


def differences_table(plan_rows, ssaldo, sbase, column_c="c) Juros remuneratórios", naou=False):
    """The demonstration of the differences: per plan the balance corrected by
    the bank's percentage and by the claimed one, each with 0,5% interest (none
    with naou), the plan of 01/1989 divided by its currency divisor."""
    L = ["<table>",
         "<tr><td>Data</td><td>a) Saldo</td><td>b) Índice aplicado pelo Banco</td><td>" + column_c +
         "</td><td>d) Saldo corrigido (a x (b + c))</td><td>e) INPC-IBGE</td><td>f) Juros remuneratórios</td>"
         "<td>g) Saldo corrigido (a x (e + f))</td><td>Percentual devido</td><td>Diferença devida (g - d)</td></tr>"]
    for k, cr in enumerate(plan_rows):
        a = num(ssaldo[k][4])
        div = plan_divisor(cr) if cat(cr, 1) == "01/1989" else Decimal(1)
        b, e = cat(cr, 6), cat(cr, 8)

        def corrected(v):
            if not has_digit(v):
                return Decimal(0)
            if naou:
                return a * (1 + num(v) / 100) / div
            return a * (1 + (Decimal("0.5") + Decimal("1.005") * num(v)) / 100) / div

        i1, i2 = ("<td>0,0%</td><td>", "%</td><td>0,0%</td><td>") if naou else \
                 ("<td>0,5%</td><td>", "%</td><td>0,5%</td><td>")
        L.append("<tr><td>" + cat(cr, 1) + "</td><td>" + ssaldo[k][4] + "</td><td>" + b + "%</td>" + i1 +
                 T2(corrected(b)) + "</td>" + "<td>" + e + i2 + T2(corrected(e)) + "</td>" + "<td>" +
                 sbase[k][2] + "%</td>" + "<td>" + sbase[k][4] + "</td></tr>")
    L.append("</table></br>")
    return L


def worded_explanation(k, cr, ssaldo, sbase, bold_opening=False):
    """The worded notes of plan k (catalogue row cr): balance, the two
    percentages with 0,5% interest, their difference and the missing amount.
    bold_opening sets the whole first line in bold (the state court
    calculator) instead of the balance only."""
    L = []
    sa, sb = ssaldo[k], sbase[k]
    if bold_opening:
        L.append("<p><tr><td><b>" + sa[0] + " - saldo em conta em " + sa[3] + "/" + sb[1] + " = " + sa[2] + sa[4] +
                 "</b></td></tr>")
    else:
        L.append("<p><tr><td>" + sa[0] + " - saldo em conta em " + sa[3] + "/" + sb[1] + " = <b>" + sa[2] + sa[4] +
                 "</b></td></tr>")
    L.append("<p><tr><td> Percentual de correção monetária com base na variação da " + cat(cr, 5) + " para " +
             cat(cr, 1) + ": " + cat(cr, 6) + ". </td></tr>")
    L.append("<p><tr><td> Variação com base no " + cat(cr, 7) + " para " + sb[3] + ": " + cat(cr, 8) + " </td></tr>")
    b, e = cat(cr, 6), cat(cr, 8)
    B = Decimal("0.5") + Decimal("1.005") * num(b) if has_digit(b) else Decimal(0)
    R = Decimal("0.5") + Decimal("1.005") * num(e) if has_digit(e) else Decimal(0)
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


def opening_lines(ssaldo, sbase):
    """The lines before the spreadsheet: the first plan's balance and its
    missing percentage."""
    return ["<tr><td><p>&nbsp;</p></td></tr>",
            "<tr><td><p>&nbsp;</p></td></tr>",
            "<tr><td><b> Valor em conta em " + ssaldo[0][1] + " = " + ssaldo[0][2] + T2(num(ssaldo[0][4])) +
            "</b></td></tr>",
            "<tr><td><b> Diferença faltante em conta no mês seguinte em % = " + T4(num(sbase[0][2])) +
            "</b></td></tr>",
            "<p>&nbsp;</p>"]


def percent_fee_lines(G, text, fee, total_fees):
    """The fee lines of a fee given as a percentage (text) of the total G."""
    return ["</br><b>Honorários = " + T2(G) + " X " + text + "% = " + T2(fee) + "</b>",
            "</br><b>TOTAL + Honorários= " + T2(total_fees) + "</b>"]


def report(s, res, P, P2, plan_rows, F, Ptext, G, fee, total_fees, with_interest):
    S, N = s.font
    L = []
    add = L.append
    add("<html><head>\r\n<title>Atualização</title>\r\n</head>")
    add("<body>")
    add("  " + KEYWORDS)
    L.extend(style_lines(S, fixed=True))
    span = span_line(S, N)
    add(span)
    for line in s.memo1:
        add("<tr><td><div align=Justify><p><b>" + line + "</b></p></div></td></tr>")
    add("</spam>")
    ssaldo, sbase = res["ssaldo"], res["sbase"]
    if s.notes:
        add(span)
        add("</br> Tabela: Poupança Diária </br>")
        colc = "c) Juros remuneratórios" if s.rtr else "c) Juros remuneratórios (aplicado pelo Banco)"
        L.extend(differences_table(plan_rows, ssaldo, sbase, colc, naou=s.cnaou and not s.rtr))
        if s.rtr:
            for k, cr in enumerate(plan_rows):
                L.extend(worded_explanation(k, cr, ssaldo, sbase))
            add("</table>")
            add("</span>")
    L.extend(opening_lines(ssaldo, sbase))
    add("</span></table>")

    def cells(grid, r, ncols, bold):
        out = ""
        for c in range(ncols):
            t = grid.get(c, r)
            if bold:
                out += "<td><div align=Right><b>" + t + "</b></div></td>"
            elif t.strip() == "":
                out += "<td><div align=Right>&nbsp;</div></td>"
            else:
                out += "<td><div align=Right>" + t + "</div></td>"
        return out

    add("<body>\r\n<table>\r\n")
    sheet = P2 if s.rtr else P
    ncols = 10 if s.rtr else 8
    last = sheet.rows - 1
    for r in range(0, sheet.rows):
        g = sheet.get
        if not s.rtr:
            if g(8, r) != "":
                add("<tr>\r\n<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>" + g(1, r) +
                    "<td>&nbsp;<td><div align=Left>" + g(8, r) + "</div><td><div align=Right>" + g(11, r) +
                    "</div></td></td></td></td></td></td></td></td>" + "</tr>")
            if g(12, r) != "":
                add("<tr>\r\n<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td><b><div align=Left>"
                    "Adição - diferença faltante em conta em " + g(1, r) + " referente ao plano " + g(15, r) +
                    "</div></b><td><b><div align=Right>" + g(12, r) + "</div></b></td></td></td></td></td></td></td></td>"
                    + "</tr>")
        else:
            if g(10, r) != "" and r > 1 and g(9, r - 1).strip() != "" and g(13, r).strip() != "":
                A = num(g(9, r - 1)) + num(g(13, r))
                add("<td><div align=Right>&nbsp;</div></td><td><div align=Right>" + g(1, r) +
                    "</div></td><td><div align=Right>&nbsp;</div></td><td><div align=Right>&nbsp;" +
                    "</div></td><td><div align=Right>&nbsp;</div></td><td><div align=Right>&nbsp;" +
                    "</div></td><td><div align=Left>" + g(10, r) + "</div></td><td><div align=Right>" + g(13, r) +
                    "</div></td><td><div align=Right>&nbsp;</div></td><td><div align=Right>" + T2(A) + "</div></td>")
            if g(14, r) != "":
                add("<tr>\r\n<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td>&nbsp;<td><b><div align=Left>"
                    "Adição - diferença faltante em conta em " + g(1, r) + " referente ao plano " + g(17, r) +
                    "</div></b><td><b><div align=Right>" + g(14, r) +
                    "</div></b><td>&nbsp;<td>&nbsp;</td></td></td></td></td></td></td></td></td></td></tr>")
        body = cells(sheet, r, ncols, r == last)
        if r == 0:
            add("<thead>" + "<tr>\r\n" + body + "</thead>")
        else:
            add("<tbody>" + "<tr>\r\n" + body + "</tbody>")
        add("</tr>")
    add("</table>")
    add(span)
    U = res["splanos"][-1][1]
    if with_interest:
        add("<p>&nbsp;</p>")
        add('<div align="center">')
        add("<center>")
        add("<b>JUROS</b>")
        add("<body>\r\n<table>\r\n")
        st = Grid(4, 0)
        st_rows = [["Data Inicial", "Data Final", "Juros %", ""]] + res["stjuros"]
        for r, row in enumerate(st_rows):
            for c, t in enumerate(row):
                st.set(c, r, t)
        st.rows = len(st_rows)
        for r in range(st.rows):
            body = cells(st, r, 4, False)
            add(("<thead>" if r == 0 else "<tbody>") + "<tr>\r\n" + body + ("</thead>" if r == 0 else "</tbody>"))
            add("</tr>")
        add("</table>")
        add("<p>&nbsp;</p>")
        label = "<b>TOTAL  em " if s.rtr else "</br><b>TOTAL em "
        add(label + U + " = " + F + " X " + Ptext + "% = " + T2(G) + "</b>")
        add("<p>&nbsp;</p>")
        add("</center>")
        add("</div>")
    else:
        add("<p>&nbsp;</p>")
        add('<div align="Center">')
        add("<Center>")
        label = "<b>TOTAL  em " if s.rtr else "</br><b>TOTAL  em "
        add(label + U + " = " + F + "</b>")
        add("<p>&nbsp;</p>")
        add("</Center>")
        add("</div>")
    add('<div align="Center">')
    add("<Center>")
    if s.fee:
        kind, text = s.fee
        if kind == "por":
            L.extend(percent_fee_lines(G, text, fee, total_fees))
        else:
            add("</br><b>Honorários = " + T2(fee) + "</b>")
            add("</br><b>TOTAL + Honorários = " + T2(total_fees) + "</b>")
    add("<p>&nbsp;</p>")
    add("</Center>")
    add("</div>")
    add("<p>&nbsp;</p>")
    add(span)
    for line in s.memo2:
        add("<tr><td><div align=Justify>" + line + "</div></td></tr>")
    add("</span>")
    add("</body></html>")
    return L


# ---------------------------------------------------------------------------
# The scenarios of daily_realistic_test.cpp (texts as the grids hold them after
# the user leaves them: "05" is stored as "5", "80000" as "80.000,00").

SCENARIOS = [
    Scenario(
        "OnePlan",
        plans=["Plano Bresser"], until="06/1989",
        balances=[("5", "150.000,00")],
        apply=["01/1989"]),
    Scenario(
        "ThreePlans",
        plans=["Plano Bresser", "Plano Verão", "Plano Collor I (03/1990)"], until="12/1991",
        balances=[("10", "80.000,00"), ("15", "250.000,00"), ("1", "85.432,17")],
        comjuros=True,
        monthly=[("01/07/1987", "31/12/1988", "0,5", "Não"),
                 ("01/01/1989", "31/12/1991", "1", "Sim")],
        period=[("15/01/1992", "20/06/1995", "0,5"),
                ("21/06/1995", "31/03/2003", "1")],
        prorata=True,
        amort={"03/1988": ("Crédito parcial", "1000"),
               "10/1990": ("Valor incontroverso", "20.000,00")},
        fee=("por", "10,00"),
        memo1=["Ação de cobrança — diferenças de correção da poupança", "Autor: José da Conceição"],
        memo2=["São Paulo, 12 de maio de 2025."],
        font=("10", "Times New Roman")),
    Scenario(
        "OrtnBtnTr",
        plans=["Plano Verão", "Plano Collor II"], until="12/1994",
        balances=[("1", "1.250.000,00"), ("20", "3.400.000,00")],
        rtr=True, cnaou=True,
        amort={"06/1992": ("Pagamento administrativo", "100.000,00")},
        fee=("valor", "1.500,00"),
        memo1=["Liquidação de sentença — Caderneta de poupança nº 1234-5"],
        memo2=["Cálculo conferido pela contadoria.", "Belo Horizonte, 12 de maio de 2025."],
        font=("8", "Arial")),
]

GOLDEN_FILES = {"ThreePlans": "daily_realistic_savings.html", "OrtnBtnTr": "daily_realistic_tr.html"}


def cpp_str(t):
    return '"' + t.replace("\\", "\\\\").replace('"', '\\"') + '"'


def cpp_rows(name, rows):
    out = ["const Rows %s = {" % name]
    for row in rows:
        out.append("    {" + ", ".join(cpp_str(c) for c in row) + "},")
    out.append("};")
    return "\n".join(out)


def cpp_lines(name, lines, per_line=1):
    out = ["const Lines %s = {" % name]
    for i in range(0, len(lines), per_line):
        out.append("    " + " ".join(cpp_str(ln) + "," for ln in lines[i:i + per_line]))
    out.append("};")
    return "\n".join(out)


def main():
    write = "--write" in sys.argv
    out = ["// Generated by tests/tools/daily_reference.py; do not edit by hand."]
    for s in SCENARIOS:
        res = compute(s)
        n = s.name
        out.append("")
        out.append("// %s" % n)
        out.append(cpp_rows("k%sBase" % n, res["sbase"]))
        out.append(cpp_lines("k%sAmortMonths" % n, [m for (m, _, _) in res["amort"]], 12))
        if res["stjuros"]:
            out.append(cpp_rows("k%sPeriodInterest" % n, res["stjuros"]))
        out.append("// Rows 1 to the closing row, as entering the spreadsheet page leaves them.")
        out.append(cpp_rows("k%sSheet" % n, res["planilha_step5"]))
        if s.rtr:
            out.append("// Rows 0 to the closing row, after \"Finalizar\".")
            out.append(cpp_rows("k%sSplit" % n, res["planilha2"]))
        out.append(cpp_lines("k%sTotals" % n, [ln for ln in res["report"] if "TOTAL" in ln or "Honor" in ln]))
        if write and n in GOLDEN_FILES:
            os.makedirs(GOLDEN, exist_ok=True)
            with open(os.path.join(GOLDEN, GOLDEN_FILES[n]), "wb") as f:
                f.write("".join(ln + "\r\n" for ln in res["report"]).encode("cp1252"))
    block = "\n".join(out) + "\n"
    if not write:
        sys.stdout.write(block)
        return
    with open(TEST, encoding="utf-8") as f:
        text = f.read()
    begin = "// BEGIN generated by tests/tools/daily_reference.py\n"
    end = "// END generated by tests/tools/daily_reference.py"
    b = text.index(begin) + len(begin)
    e = text.index(end)
    with open(TEST, "w", encoding="utf-8", newline="\n") as f:
        f.write(text[:b] + block + text[e:])


if __name__ == "__main__":
    main()
