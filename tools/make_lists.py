#!/usr/bin/env python3
"""Builds data/lists/*.txt from the compiled reference rows.

    tools/make_lists.py REFERENCE_FOLDER [OUTPUT_FOLDER]

REFERENCE_FOLDER holds the UTF-8 row files described in data/lists/README.md
(banks.txt, treasury_units.txt, ...). The output files are what the program
ships and reads: CP1250, CR LF, one row a line, every code padded with blanks
to the width of its field. The program never runs this script; the generated
files are committed.
"""

import pathlib
import re
import sys

# Rows that belong to the program itself rather than to a public nomenclature:
# the two fine obligations of the registration-number builder and the fiscal
# categories, in the order the windows show them.
BUILDER_FINES = [
    "001.(20350101XX-910)Venituri la bugetul de stat, din amenzi si alte sanctiuni"
    " aplicate potrivit dispozitiile legale",
    "002.(22350301XX-911)Venituri la bugetul asigurarilor sociale de stat, din amenzi"
    " si alte sanctiuni aplicate potrivit dispozitiile legale",
]
FISCAL_CATEGORIES = [
    "01 - debit",
    "03 - dobândă/ majorare de intarziere",
    "11 - penalitate/ penalitate de întârziere.",
]

NEW_CLASSIFICATION_PARTS = 5


def read_rows(folder, name):
    text = (folder / name).read_text(encoding="utf-8")
    return [line for line in text.split("\n") if line != ""]


def pad_code(rows, width):
    """Format A: the code before "--" padded with blanks to `width`."""
    out = []
    for row in rows:
        code, sep, text = row.partition("--")
        if not sep or len(code) > width:
            sys.exit(f"row does not fit a {width}-character code: {row!r}")
        out.append(code.ljust(width) + "--" + text)
    return out


def pad_numbered(rows, number_width):
    """Formats B and C: the account code between "(" and "-" padded to 10."""
    pattern = re.compile(r"^(\d{%d})\.\(([0-9A-Z]{1,10}) *-([0-9X]{3})\)(.*)$" % number_width)
    out = []
    for row in rows:
        m = pattern.match(row)
        if not m:
            sys.exit(f"row is not a numbered obligation row: {row!r}")
        out.append(f"{m[1]}.({m[2].ljust(10)}-{m[3]}){m[4]}")
    return out


def cut(rows, parts):
    """Cuts rows, in order, into `parts` runs of nearly equal size (the first
    ones one row longer), so that no part is empty while rows remain."""
    size, extra = divmod(len(rows), parts)
    out, start = [], 0
    for i in range(parts):
        end = start + size + (1 if i < extra else 0)
        out.append(rows[start:end])
        start = end
    return out


def write(folder, name, rows):
    data = "".join(row + "\r\n" for row in rows).encode("cp1250")
    (folder / name).write_bytes(data)
    print(f"{name}: {len(rows)} rows")


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    ref = pathlib.Path(sys.argv[1])
    out = pathlib.Path(sys.argv[2]) if len(sys.argv) == 3 else (
        pathlib.Path(__file__).resolve().parent.parent / "data" / "lists")
    out.mkdir(parents=True, exist_ok=True)

    write(out, "form_iban_benef1.txt", pad_code(read_rows(ref, "treasury_units.txt"), 7))
    write(out, "form_iban_banci1.txt", read_rows(ref, "banks.txt"))
    write(out, "form_iban_oblig1.txt", pad_numbered(read_rows(ref, "short_obligations.txt"), 2))
    new_rows = sorted(pad_code(read_rows(ref, "new_classification.txt"), 11), key=lambda r: r[:11])
    for i, part in enumerate(cut(new_rows, NEW_CLASSIFICATION_PARTS), start=1):
        write(out, f"form_iban_oblig{i}p.txt", part)
    write(out, "form_iban_oblig6p.txt", pad_code(read_rows(ref, "split_vat.txt"), 13))
    write(out, "form_iban_combo1.txt", pad_code(read_rows(ref, "old_state_budget.txt"), 10))
    write(out, "form_iban_combo2.txt", pad_code(read_rows(ref, "old_other_budgets.txt"), 10))

    write(out, "form_nrevid_benef1.txt",
          pad_code(read_rows(ref, "builder_treasury_units.txt"), 7))
    write(out, "form_nrevid_oblig1.txt", pad_numbered(read_rows(ref, "fiscal_obligations.txt"), 3))
    write(out, "form_nrevid_oblig3.txt",
          pad_numbered(read_rows(ref, "fiscal_obligations_short.txt"), 3))
    write(out, "form_nrevid_oblig2.txt", BUILDER_FINES)
    write(out, "form_nrevid_categ_fisc.txt", FISCAL_CATEGORIES)


if __name__ == "__main__":
    main()
