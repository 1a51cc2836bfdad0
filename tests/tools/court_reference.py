#!/usr/bin/env python3
"""Independent figures for the court-table calculators' realistic tests.

Works from the rules as written, in decimal arithmetic, on the shipped
tables: one plan whose difference is carried month by month with a court
table's percentage (period p takes the amount from the 1st of p to the 1st of
p + 1, divided by the currency divisor of p), every value rounded to two
decimals half away from zero before it is used again; then the simple period
interest (rate x whole months) and the fees.  The state court correction
multiplies the difference by factor(update) / factor(month after the purge).

    python3 tests/tools/court_reference.py
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


if __name__ == "__main__":
    main()
