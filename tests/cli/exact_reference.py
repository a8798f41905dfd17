#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the rows of the exactness table in tst_cli.cpp.

Each figure is worked out with Python's decimal module at 50 significant
digits, independently of the program, then rounded as veltrane-cli writes it:
halves to even, to at least a number of decimals and as many more as show a
number of significant digits, trailing zeros dropped. Run it again to make
the table afresh:  python3 tests/cli/exact_reference.py
"""
import random
from decimal import Decimal, getcontext, ROUND_HALF_EVEN

getcontext().prec = 50
WU = Decimal(2) ** 32


def rounded(value, min_decimals, significant):
    if value == 0:
        return "0", ""
    decimals = max(min_decimals, significant - 1 - value.adjusted(), 0)
    text = format(value.quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_EVEN), "f")
    whole, _, fraction = text.partition(".")
    return whole, fraction.rstrip("0")


def plain(parts):
    whole, fraction = parts
    return whole + ("." + fraction if fraction else "")


def grouped(parts):
    whole, fraction = parts
    groups = []
    while len(whole) > 3:
        groups.insert(0, whole[-3:])
        whole = whole[:-3]
    groups.insert(0, whole)
    return ".".join(groups) + ("," + fraction if fraction else "")


rates = [1, 2, 3, 7, 10, 999, 9999, 10000, 100358, 641440, 2296988, 5040000, 123456789,
         4294967296, 1500000000, 40000000000, 68719476736, 188743680000,
         1000000000000, 9999999999999, 10000000000000, 85899345920000,
         123456789012345, 999999999999999, 10 ** 15]
generator = random.Random(16)
rates += sorted(generator.randint(1, 10 ** exponent) for exponent in range(3, 16))

for rate in rates:
    r = Decimal(rate)
    seconds = WU / r
    per_hour = 3600 * r / WU
    per_day = 86400 * r / WU
    row = [plain(rounded(seconds, 0, 15)), plain(rounded(per_hour, 0, 15)),
           plain(rounded(per_day, 0, 15)), grouped(rounded(seconds, 3, 3)),
           grouped(rounded(per_hour, 2, 3)), grouped(rounded(per_day, 2, 3))]
    print('ROW(%d, %s);' % (rate, ", ".join('"%s"' % field for field in row)))
