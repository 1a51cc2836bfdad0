#!/usr/bin/env python3
"""Build the default tables shipped in data/workspace/ from the saved source files.

Usage:
    python3 tools/make_default_tables.py SOURCES_DIR [OUTPUT_DIR]

SOURCES_DIR is the folder of saved public source files (the *.clean.tsv files
described in its README.md); OUTPUT_DIR defaults to the data/workspace/ folder next to
this script's folder. The script writes:

    razidaro13.tab                       daily savings index
    planos2.ini                          default plan catalogue
    indice2.ini                          default purge application grid
    t0001.tab                            TJSP factors, opening table of the state court calculator
    Tribunal de Justiça São Paulo.tab    TJSP factors (month, factor, currency)
    tjsp.tab                             TJSP month-by-month percentages
    jf.tab                               federal courts' (CJF) month-by-month percentages

and prints the cross-checks it made. It stops with an error when a source
disagrees with a fact the tables rely on. All arithmetic is decimal (no binary
floating point), so the output is byte-for-byte reproducible.

File format of every output: Windows-1252, no byte-order mark, one line per
grid row, a tab after every cell (the last one included), CR LF after every
line, row 0 is the header row, decimal comma, no thousands separator.

The data/README.md file documents every column and the decisions taken here.
"""

import csv
import os
import sys
from decimal import Decimal, ROUND_HALF_UP, getcontext

getcontext().prec = 50

FIRST_SAVINGS_MONTH = (1987, 1)
FIRST_MONTHLY_COURT_MONTH = (1987, 1)
FIRST_STATE_OPENING_MONTH = (1987, 1)

# Remuneratory interest of the savings account: 0,5% a month.
INTEREST_FACTOR = Decimal("1.005")

# Savings yields are published with 4 decimals; the yields computed from the TR
# are rounded half up to the same precision.
SAVINGS_DECIMALS = 4

# Currency in force on the first day of each month, from the first month that
# uses the name. The 1st is the day the tables are built for: the Cruzado Novo
# came on 16/01/1989 and the Cruzeiro on 16/03/1990, so on 01/01/1989 the
# account was still in Cz$ and on 01/03/1990 still in NCz$; the Cruzeiro Real
# (01/08/1993) and the Real (01/07/1994) started on the 1st.
CURRENCY_AT_FIRST_OF_MONTH = [
    ((1986, 3), "Cz$"),
    ((1989, 2), "NCz$"),
    ((1990, 4), "Cr$"),
    ((1993, 8), "CR$"),
    ((1994, 7), "R$"),
]

# Divisor of the amount carried through the yield period that begins on the
# 1st of the month: the period ends on the 1st of the next month, in the
# currency in force then.
#   01/1989: 01/01 (Cz$) to 01/02 (NCz$), cut of 1000 on 16/01/1989.
#   07/1993: 01/07 (Cr$) to 01/08 (CR$), cut of 1000 on 01/08/1993.
#   06/1994: 01/06 (CR$) to 01/07 (R$), 2750 CR$ = 1 R$ on 01/07/1994.
# The change of 16/03/1990 (NCz$ to Cr$) was at par: no divisor.
PERIOD_DIVISOR = {
    (1989, 1): "1000",
    (1993, 7): "1000",
    (1994, 6): "2750",
}

# Monetary standards printed in the TJSP table itself ("PADRÕES MONETÁRIOS A
# CONSIDERAR"): the currency in which the factor of each month is expressed.
TJSP_FACTOR_CURRENCY = [
    ((1964, 10), "Cr$"),
    ((1967, 2), "NCr$"),
    ((1970, 6), "Cr$"),
    ((1986, 3), "Cz$"),
    ((1989, 1), "NCz$"),
    ((1990, 3), "Cr$"),
    ((1993, 8), "CR$"),
    ((1994, 7), "R$"),
]

# Months where a court factor table changes scale between month m and m + 1,
# and the multiplier that puts factor(m + 1) back on the scale of factor(m).
COURT_SCALE_STEP = {
    (1967, 1): Decimal(1000),
    (1986, 2): Decimal(1000),
    (1988, 12): Decimal(1000),
    (1993, 7): Decimal(1000),
    (1994, 6): Decimal(2750),
}

DEMO_SUFFIX = " (demonstração)"

# Plan catalogue: name, purge month, currency of the purge month's balance,
# index the bank credited and its percentage, index the courts required and
# its percentage, currency of the credit month, currency divisor.
PLANS = [
    ("Plano Bresser", "06/1987", "Cz$", "LBC", "18,02", "IPC", "26,06", "Cz$", ""),
    ("Plano Verão", "01/1989", "Cz$", "LFT", "22,35", "IPC", "42,72", "NCz$", "1000"),
    ("Plano Collor I (03/1990)", "03/1990", "NCz$", "BTN", "41,28", "IPC", "84,32", "Cr$", ""),
    ("Plano Collor I (04/1990)", "04/1990", "Cr$", "BTN", "0,00", "IPC", "44,80", "Cr$", ""),
    ("Plano Collor I (05/1990)", "05/1990", "Cr$", "BTN", "5,38", "IPC", "7,87", "Cr$", ""),
    ("Plano Collor II", "02/1991", "Cr$", "TR", "7,00", "IPC", "21,87", "Cr$", ""),
]

CATALOGUE_HEADER = [
    "Expurgo",
    "Data",
    "Diferença sobre o saldo anterior em %",
    "Mudança de Moeda",
    "Moeda",
    "Índice Oficial",
    "Índice Oficial Valor",
    "Índice Requerido",
    "Índice Requerido Valor",
    "Moeda Mudança",
]

PURGE_APPLICATION_HEADER = ["Data", "Expurgo", "Aplicar ao índice"]


class SourceError(Exception):
    pass


# ---------------------------------------------------------------- months


def parse_month(text):
    mm, yyyy = text.split("/")
    return int(yyyy), int(mm)


def month_text(ym):
    return "%02d/%04d" % (ym[1], ym[0])


def next_month(ym):
    y, m = ym
    return (y + 1, 1) if m == 12 else (y, m + 1)


def months_between(first, last):
    ym = first
    while ym <= last:
        yield ym
        ym = next_month(ym)


def lookup_from(schedule, ym):
    found = None
    for start, value in schedule:
        if ym >= start:
            found = value
    if found is None:
        raise SourceError("no currency known for %s" % month_text(ym))
    return found


def currency_at_first_of_month(ym):
    return lookup_from(CURRENCY_AT_FIRST_OF_MONTH, ym)


def tjsp_factor_currency(ym):
    return lookup_from(TJSP_FACTOR_CURRENCY, ym)


# ---------------------------------------------------------------- numbers


def parse_number(text):
    """Reads a cleaned source number: decimal comma, no thousands separator."""
    text = text.strip()
    if not text or "." in text:
        raise SourceError("unexpected number text %r" % text)
    return Decimal(text.replace(",", "."))


def fmt(value, decimals=None, min_decimals=0):
    """Writes a Decimal with a decimal comma.

    decimals: round half away from zero to that many places (None keeps the
    value's own digits). Trailing zeros beyond min_decimals are dropped.
    """
    if decimals is not None:
        value = value.quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    text = format(value, "f")
    if "." in text:
        whole, frac = text.split(".")
    else:
        whole, frac = text, ""
    frac = frac.rstrip("0")
    if len(frac) < min_decimals:
        frac = frac + "0" * (min_decimals - len(frac))
    if whole in ("-0", "") and not frac.strip("0"):
        whole = "0"
    return whole + ("," + frac if frac else "")


def round_to(value, decimals):
    return value.quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)


# ---------------------------------------------------------------- sources


def read_series(sources, name):
    """Reads a month/value *.clean.tsv file into {(y, m): (Decimal, text)}."""
    path = os.path.join(sources, name)
    series = {}
    with open(path, encoding="utf-8", newline="") as f:
        for i, line in enumerate(f):
            line = line.rstrip("\r\n")
            if i == 0:
                if not line.startswith("month\t"):
                    raise SourceError("%s: unexpected header %r" % (name, line))
                continue
            if not line:
                continue
            cells = line.split("\t")
            ym = parse_month(cells[0])
            if ym in series:
                raise SourceError("%s: month %s twice" % (name, cells[0]))
            series[ym] = (parse_number(cells[1]), cells[1])
    return series


def read_text_series(sources, name):
    path = os.path.join(sources, name)
    series = {}
    with open(path, encoding="utf-8", newline="") as f:
        for i, line in enumerate(f):
            line = line.rstrip("\r\n")
            if i == 0 or not line:
                continue
            cells = line.split("\t")
            series[parse_month(cells[0])] = cells[1]
    return series


def require_contiguous(series, first, last, what):
    missing = [month_text(ym) for ym in months_between(first, last) if ym not in series]
    if missing:
        raise SourceError("%s: months missing: %s" % (what, ", ".join(missing[:10])))


# ---------------------------------------------------------------- output


def write_grid(path, rows):
    """Writes a grid in the table file format (see the module text)."""
    width = max(len(r) for r in rows)
    out = bytearray()
    for row in rows:
        cells = list(row) + [""] * (width - len(row))
        for cell in cells:
            if any(c in cell for c in "\t\r\n"):
                raise ValueError("cell %r holds a separator" % cell)
            out += cell.encode("cp1252") + b"\t"
        out += b"\r\n"
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(bytes(out))
    os.replace(tmp, path)


# ---------------------------------------------------------------- checks


class Checks:
    def __init__(self):
        self.lines = []

    def note(self, text):
        self.lines.append(text)
        print(text)

    def require(self, condition, text):
        if not condition:
            raise SourceError("check failed: " + text)


# ---------------------------------------------------------------- TR and savings


def build_tr(sources, checks):
    """TR for the one-month period starting on the 1st, 02/1991 to 04/2025."""
    dump = read_series(sources, "tr_bcb_sgs226_dia1_jrangelf_1991-02_2023-10.clean.tsv")
    portal = read_series(sources, "tr_portaldocalculista_dia1_2017-12_2025-04.clean.tsv")
    galvao = read_series(sources, "tr_bcb_monthly_1991-02_1994-01.clean.tsv")
    ideal = read_series(sources, "tr_idealsoftwares_dia1_1991-02_2008-08.clean.tsv")
    labour = read_series(sources, "tr_monthly_1991-02_1996-08.derived.tsv")

    tr = {}
    for ym, (value, _) in dump.items():
        tr[ym] = (value, "dump")
    for ym, (value, _) in portal.items():
        if ym in tr:
            checks.require(tr[ym][0] == value, "TR %s dump %s portal %s" % (month_text(ym), tr[ym][0], value))
        else:
            tr[ym] = (value, "portal")
    first, last = (1991, 2), max(tr)
    require_contiguous(tr, first, last, "TR")
    overlap = [ym for ym in portal if ym in dump]
    checks.note("TR: %d months %s..%s (dump %d, portaldocalculista added %d; %d overlapping months equal)"
                % (len(tr), month_text(first), month_text(last), len(dump),
                   len([1 for v in tr.values() if v[1] == "portal"]), len(overlap)))

    def compare(name, other, tolerance_note):
        # Compared at the other source's printed precision.
        diffs = [(month_text(ym), text, fmt(tr[ym][0])) for ym, (v, text) in sorted(other.items())
                 if ym in tr and round_to(tr[ym][0], max(0, -v.as_tuple().exponent)) != v]
        checks.note("TR vs %s: %d months compared, %d differ %s%s"
                    % (name, len([ym for ym in other if ym in tr]), len(diffs), diffs, tolerance_note))
        return diffs

    checks.require(not compare("galvaoadv (BCB)", galvao, ""), "TR vs galvaoadv")
    d = compare("idealsoftwares", ideal, " (04/1996 and 05/1996 printed truncated there)")
    checks.require(sorted(x[0] for x in d) == ["04/1996", "05/1996"], "TR vs idealsoftwares")
    d = compare("labour-court coefficients (derived)", labour, " (rounding of the derivation)")
    checks.require([x[0] for x in d] == ["06/1994"], "TR vs labour table")
    return {ym: v for ym, (v, _) in tr.items()}


def savings_from_tr(tr_percent):
    """Savings yield in % for old accounts: (1 + TR) x 1,005 - 1, exact."""
    return (Decimal(1) + tr_percent / 100) * INTEREST_FACTOR * 100 - 100


def build_savings_day1(sources, tr, checks):
    startpoint = read_series(sources, "poupanca_startpoint_dia1_1979-01_1991-02.clean.tsv")
    sos = read_series(sources, "indices_soscalculos_1991-02_1992-03.poupanca.clean.tsv")
    yahii = read_series(sources, "poupanca_yahii_mensal_1995-01_2010-09.clean.tsv")
    pedro = read_series(sources, "poupanca_pedrodnt_savings_2015-01_2021-09.clean.tsv")

    first_tr = (1991, 2)
    last = max(tr)
    day1 = {}
    origin = {}
    for ym in months_between(FIRST_SAVINGS_MONTH, last):
        if ym < first_tr:
            if ym not in startpoint:
                raise SourceError("startpoint lacks %s" % month_text(ym))
            day1[ym] = startpoint[ym][1]
            origin[ym] = "startpoint"
        else:
            day1[ym] = fmt(savings_from_tr(tr[ym]), SAVINGS_DECIMALS, min_decimals=SAVINGS_DECIMALS)
            origin[ym] = "TR"

    # Cross-checks of the TR rule against published yields, at the published
    # precision (4 decimals, half up).
    def compare(name, series, until=None):
        same, diffs = 0, []
        for ym, (value, text) in sorted(series.items()):
            if ym not in tr or (until and ym > until):
                continue
            exact = savings_from_tr(tr[ym])
            places = -value.as_tuple().exponent
            if round_to(exact, places) == value:
                same += 1
            else:
                diffs.append("%s %s (rule %s)" % (month_text(ym), text, fmt(exact)))
        checks.note("savings vs %s: %d equal, %d differ: %s" % (name, same, len(diffs), "; ".join(diffs)))
        return same, diffs

    compare("soscalculos 02/1991-03/1992", sos)
    compare("yahii 01/1995-09/2010", yahii)
    compare("PedroDnT 01/2015-09/2017 (old-account rule)", pedro, until=(2017, 9))
    checks.note("savings 02/1991: startpoint %s, TR rule %s (the TR rule is used)"
                % (startpoint[(1991, 2)][1], day1[(1991, 2)]))

    # The yields credited in the plan months, from which the catalogue's
    # credited percentages can be checked.
    for ym, credited in [((1987, 6), "18,02"), ((1989, 1), "22,35"), ((1990, 3), "41,28"),
                         ((1990, 4), "0"), ((1990, 5), "5,38")]:
        y = startpoint[ym][0]
        correction = ((Decimal(1) + y / 100) / INTEREST_FACTOR - 1) * 100
        checks.note("credited in %s: yield %s, correction %s%% (catalogue %s%%)"
                    % (month_text(ym), startpoint[ym][1], fmt(correction, 4), credited))
        checks.require(abs(correction - parse_number(credited)) < Decimal("0.01"),
                       "credited correction of %s" % month_text(ym))
    checks.note("credited in 02/1991: TR %s%%, yield %s%%" % (fmt(tr[(1991, 2)], min_decimals=2), day1[(1991, 2)]))
    return day1, origin


def build_savings_table(day1):
    header = ["Mês", "Dia 1"]
    header += ["Dia %d%s" % (d, DEMO_SUFFIX) for d in range(2, 29)]
    header += ["Não usada"] * 3
    header += ["Moeda", "Divisor da moeda"]
    rows = [header]
    for ym in sorted(day1):
        value = day1[ym]
        row = [month_text(ym)] + [value] * 28 + ["", "", ""]
        row += [currency_at_first_of_month(ym), PERIOD_DIVISOR.get(ym, "")]
        rows.append(row)
    return rows


# ---------------------------------------------------------------- plan catalogue


def build_catalogue(checks):
    rows = [CATALOGUE_HEADER]
    for name, month, cur, off_name, off, req_name, req, cur_after, divisor in PLANS:
        difference = (parse_number(req) - parse_number(off)) * INTEREST_FACTOR
        rows.append([name, month, fmt(difference), divisor, cur, off_name, off, req_name, req, cur_after])
        checks.note("catalogue %s %s: (%s - %s) x 1,005 = %s; divisor %s"
                    % (month, name, req, off, fmt(difference), divisor or "(none)"))
    return rows


def build_purge_application(checks):
    rows = [PURGE_APPLICATION_HEADER]
    for name, month, _, _, _, _, req, _, _ in PLANS:
        full = (Decimal(1) + parse_number(req) / 100) * INTEREST_FACTOR * 100 - 100
        rows.append([month, fmt(full), "Não"])
        checks.note("purge application %s: (1 + %s%%) x 1,005 - 1 = %s%%" % (month, req, fmt(full)))
    return rows


# ---------------------------------------------------------------- court tables


def read_tjsp(sources, checks):
    series = read_series(sources, "tjsp_tabela_debitos_judiciais_1964-10_2023-03.clean.tsv")
    first, last = min(series), max(series)
    require_contiguous(series, first, last, "TJSP")
    # The clean file must be the CSV's printed value without thousands separators.
    with open(os.path.join(sources, "tjsp_tabela_debitos_judiciais_1964-10_2023-03.csv"),
              encoding="utf-8", newline="") as f:
        for record in csv.DictReader(f):
            ym = (int(record["ano"]), int(record["mes"]))
            checks.require(series[ym][1] == record["taxa_string"].replace(".", ""),
                           "TJSP clean file vs CSV at %s" % month_text(ym))
    checks.note("TJSP factors: %d months %s..%s (clean file equals the CSV's printed values)"
                % (len(series), month_text(first), month_text(last)))
    return series


def tjsp_monthly(tjsp, checks, sources):
    """Percentage of month m: factor(m + 1) / factor(m) - 1, scale steps removed."""
    monthly = {}
    months = sorted(tjsp)
    for ym, nxt in zip(months, months[1:]):
        ratio = tjsp[nxt][0] * COURT_SCALE_STEP.get(ym, Decimal(1)) / tjsp[ym][0]
        monthly[ym] = (ratio - 1) * 100
    # Facts of the TJSP table's own notes and of the court decisions.
    for ym, expected in [((1989, 1), "42,72"), ((1989, 2), "10,14"), ((1990, 3), "84,32"),
                         ((1990, 4), "44,8"), ((1990, 5), "7,87"), ((1991, 2), "21,87")]:
        checks.require(round_to(monthly[ym], 2) == parse_number(expected),
                       "TJSP %s = %s" % (month_text(ym), expected))
    checks.note("TJSP monthly: 01/1989 %s, 02/1989 %s, 03/1990 %s, 04/1990 %s, 05/1990 %s, 02/1991 %s, 06/1987 %s"
                % tuple(fmt(monthly[ym], 4) for ym in [(1989, 1), (1989, 2), (1990, 3), (1990, 4), (1990, 5),
                                                       (1991, 2), (1987, 6)]))
    # From 03/1991 the TJSP factors follow the INPC (IPC-r from 07/1994 to 06/1995).
    inpc = read_series(sources, "inpc_ibge_sidra1736_1979-12_2023-08.clean.tsv")
    same, diffs = 0, []
    for ym in sorted(monthly):
        if ym < (1991, 3) or (1994, 7) <= ym <= (1995, 6) or ym not in inpc:
            continue
        if round_to(monthly[ym], 2) == inpc[ym][0]:
            same += 1
        else:
            diffs.append("%s TJSP %s INPC %s" % (month_text(ym), fmt(monthly[ym], 4), inpc[ym][1]))
    checks.note("TJSP monthly vs INPC (IBGE), 03/1991-06/1994 and 07/1995 on: %d equal at 2 decimals, %d differ: %s"
                % (same, len(diffs), "; ".join(diffs)))
    checks.require(not diffs, "TJSP monthly vs INPC")
    return monthly


def tjsp_published_percentages(monthly, checks):
    """The percentages written to tjsp.tab.

    From 01/1989 the TJSP factors are the products of indices published with
    two decimals (IPC, INPC, IPC-r); the factor ratios are those indices up to
    the factors' own rounding, so the two-decimal index is written. Before
    01/1989 the factors are OTN values and the ratio is written with four
    decimals.
    """
    out = {}
    worst = Decimal(0)
    for ym, value in monthly.items():
        if ym < FIRST_MONTHLY_COURT_MONTH:
            continue
        places = 2 if ym >= (1989, 1) else 4
        out[ym] = round_to(value, places)
        if places == 2:
            worst = max(worst, abs(out[ym] - value))
    checks.require(worst < Decimal("0.0001"), "TJSP ratios are two-decimal indices")
    chain_exact = chain_rounded = Decimal(1)
    for ym in sorted(out):
        if ym >= (1987, 7):
            chain_exact *= 1 + monthly[ym] / 100
            chain_rounded *= 1 + out[ym] / 100
    checks.note("TJSP monthly: two-decimal indices from 01/1989 differ from the factor ratios by at most %s points; "
                "chained 07/1987..%s they differ from the factor table by %s (relative)"
                % (fmt(worst, 8), month_text(max(out)), fmt(chain_rounded / chain_exact - 1, 9)))
    return out


def read_cjf(sources, checks):
    var = read_series(sources, "cjf_condenatorias_geral_ipcae_variacao_1964-10_2023-08.clean.tsv")
    factor = read_series(sources, "cjf_condenatorias_geral_ipcae_fator_1964-10_2023-08.clean.tsv")
    indexer = read_text_series(sources, "cjf_condenatorias_geral_ipcae_indexador_1964-10_2023-08.tsv")
    first, last = min(var), max(var)
    require_contiguous(var, first, last, "CJF")
    # The last month is the base month of the factors (factor 1); its
    # variation is a placeholder, not a published figure.
    checks.require(factor[last][0] == 1 and var[last][0] == 0, "CJF base month")
    published_last = max(ym for ym in var if ym < last)
    # The variation of month m takes an amount from m to m + 1:
    # factor(m) = factor(m + 1) x (1 + variation(m)) away from the scale steps.
    worst = Decimal(0)
    for ym in months_between((2001, 1), published_last):
        nxt = next_month(ym)
        implied = (factor[ym][0] / factor[nxt][0] - 1) * 100
        worst = max(worst, abs(implied - var[ym][0]))
    checks.require(worst < Decimal("0.001"), "CJF variation alignment")
    checks.note("CJF: %d months %s..%s; base month %s left out; factor(m)/factor(m+1) - 1 matches "
                "variation(m) within %s points from 01/2001"
                % (len(var), month_text(first), month_text(last), month_text(last), fmt(worst, 8)))
    return var, indexer, published_last


def cjf_monthly(var, indexer, published_last, tjsp_pct, checks, sources):
    monthly = {}
    for ym in months_between(FIRST_MONTHLY_COURT_MONTH, published_last):
        # Stored as binary floating point (e.g. 84,3200001): six decimals keep
        # every real digit of the table and drop that noise.
        monthly[ym] = round_to(var[ym][0], 6)
    for ym, expected in [((1989, 1), "42,72"), ((1989, 2), "10,14"), ((1990, 3), "84,32"),
                         ((1990, 4), "44,8"), ((1990, 5), "7,87"), ((1991, 2), "21,87")]:
        checks.require(monthly[ym] == parse_number(expected), "CJF %s = %s" % (month_text(ym), expected))
    # Independent series for the indexers of the CJF table.
    inpc = read_series(sources, "inpc_ibge_sidra1736_1979-12_2023-08.clean.tsv")
    ipca15 = read_series(sources, "ipca-15_monthly_investash.clean.tsv")
    report = []
    for name, source, lo, hi, places in [
        ("IPC (TJSP-implied)", {k: (round_to(v, 2), None) for k, v in tjsp_pct.items()}, (1990, 3), (1991, 2), 2),
        ("INPC", inpc, (1991, 3), (1991, 11), 2),
        ("IPCA-15 (IPCA-E)", ipca15, (2001, 1), published_last, 2),
    ]:
        same, diffs = 0, []
        for ym in months_between(lo, hi):
            if ym not in source:
                continue
            if round_to(monthly[ym], places) == source[ym][0]:
                same += 1
            else:
                diffs.append("%s CJF %s other %s" % (month_text(ym), fmt(monthly[ym]), fmt(source[ym][0])))
        report.append("%s %s..%s: %d equal, %d differ %s" % (name, month_text(lo), month_text(hi), same,
                                                               len(diffs), diffs))
    for line in report:
        checks.note("CJF monthly vs " + line)
    runs = []
    for ym in sorted(monthly):
        if runs and runs[-1][0] == indexer[ym]:
            runs[-1][2] = ym
        else:
            runs.append([indexer[ym], ym, ym])
    checks.note("CJF indexers in the shipped range: " + ", ".join(
        "%s %s..%s" % (n, month_text(a), month_text(b)) for n, a, b in runs))
    return monthly


def build_monthly_court_table(monthly):
    header = ["Mês"] + ["Dia %d" % d for d in range(1, 29)] + ["Não usada"] * 3
    header += ["Moeda", "Divisor da moeda"]
    rows = [header]
    for ym in sorted(monthly):
        value = fmt(monthly[ym], min_decimals=2)
        row = [month_text(ym)] + [value] * 28 + ["", "", ""]
        row += [currency_at_first_of_month(ym), PERIOD_DIVISOR.get(ym, "")]
        rows.append(row)
    return rows


def build_tjsp_factor_table(tjsp):
    rows = [["Mês", "Fator", "Moeda"]]
    for ym in sorted(tjsp):
        rows.append([month_text(ym), tjsp[ym][1], tjsp_factor_currency(ym)])
    return rows


def build_state_opening_table(tjsp):
    header = ["Mês", "Fator TJSP", "Moeda do fator"] + [""] * 29 + ["Moeda"]
    rows = [header]
    for ym in sorted(tjsp):
        if ym < FIRST_STATE_OPENING_MONTH:
            continue
        row = [month_text(ym), tjsp[ym][1], tjsp_factor_currency(ym)] + [""] * 29
        row.append(currency_at_first_of_month(ym))
        rows.append(row)
    return rows


# ---------------------------------------------------------------- main


def main(argv):
    if len(argv) not in (2, 3):
        print(__doc__.strip().split("\n\n")[1], file=sys.stderr)
        return 2
    sources = argv[1]
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[2] if len(argv) == 3 else os.path.join(os.path.dirname(here), "data", "workspace")
    if not os.path.isdir(sources):
        print("sources folder not found: %s" % sources, file=sys.stderr)
        return 2
    os.makedirs(out, exist_ok=True)
    checks = Checks()
    try:
        tr = build_tr(sources, checks)
        day1, _ = build_savings_day1(sources, tr, checks)
        savings = build_savings_table(day1)
        catalogue = build_catalogue(checks)
        application = build_purge_application(checks)
        tjsp = read_tjsp(sources, checks)
        tjsp_pct = tjsp_monthly(tjsp, checks, sources)
        var, indexer, cjf_last = read_cjf(sources, checks)
        cjf_pct = cjf_monthly(var, indexer, cjf_last, tjsp_pct, checks, sources)
        tjsp_written = tjsp_published_percentages(tjsp_pct, checks)
    except SourceError as e:
        print("error: %s" % e, file=sys.stderr)
        return 1

    outputs = [
        ("razidaro13.tab", savings),
        ("planos2.ini", catalogue),
        ("indice2.ini", application),
        ("t0001.tab", build_state_opening_table(tjsp)),
        ("Tribunal de Justiça São Paulo.tab", build_tjsp_factor_table(tjsp)),
        ("tjsp.tab", build_monthly_court_table(tjsp_written)),
        ("jf.tab", build_monthly_court_table(cjf_pct)),
    ]
    for name, rows in outputs:
        write_grid(os.path.join(out, name), rows)
        print("wrote %s: %d rows x %d columns, last row begins %r"
              % (name, len(rows), max(len(r) for r in rows), rows[-1][0]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
