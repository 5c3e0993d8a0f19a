#!/usr/bin/env bash
# What the bash completion of tavo offers, and its calc operations against the
# program's. Usage: completion_test.sh COMPLETION-FILE TAVO-BINARY
set -u
source "$1"
tavo=$2
failures=0

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir "$folder/acte" "$folder/arhiva"
touch "$folder/acte.txt"
cd "$folder" || exit 1

# The words given, sorted, on one line.
sorted() {
    (($# == 0)) || printf '%s\n' "$@" | sort | tr '\n' ' '
}

# Each row: the words typed (the last one is being completed), then what is offered.
rows=(
    "tavo |list calc script print text package agentie borderou export import help"
    "tavo b|borderou"
    "tavo --|--dir --print-dir --version --help"
    "tavo --dir a|acte/ arhiva/"
    "tavo --dir acte pa|package"
    "tavo print 2 --|--copies --pdf --printer --help"
    "tavo print 2 --copies 2 --|--pdf --printer --help"
    "tavo print 2 --copies |1 2"
    "tavo print 2 --pdf acte.|acte.txt"
    "tavo print 2 --printer def|default"
    "tavo package --type 1 --view |yes no"
    "tavo borderou --cif 1 --type |1 2 3"
    "tavo borderou --cif 1 --|--period --type --multi-iban --help"
    "tavo export p.csv --format |excel csv"
    "tavo export p.csv --type 2 --|--cif --period --format --help"
    "tavo import acte.txt --|--dry-run --yes --model --help"
    "tavo import act|acte/ acte.txt"
    "tavo calc verif_C|verif_CIF verif_CNP"
    "tavo calc verif_CNP |"
    "tavo script act|acte/ acte.txt"
    "tavo help bo|borderou"
    "tavo text 1 |"
)
for row in "${rows[@]}"; do
    read -r -a COMP_WORDS <<<"${row%%|*}"
    [[ ${row%%|*} == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _tavo
    offered=()
    for word in "${COMPREPLY[@]}"; do
        [[ -d $word ]] && word+=/
        offered+=("$word")
    done
    read -r -a expected <<<"${row#*|}"
    offered=$(sorted "${offered[@]}")
    expected=$(sorted "${expected[@]}")
    if [[ $offered != "$expected" ]]; then
        echo "FAIL '${row%%|*}': offered '$offered', expected '$expected'"
        failures=$((failures + 1))
    fi
done

# The operations listed by `tavo help calc` after "OPERATION is one of:" (its
# English help: the C locale).
program=$(LC_ALL=C "$tavo" help calc | sed -n '/OPERATION is one of:/,$p' | sed 's/.*one of://' | tr -s ' \n' '\n' |
    sed '/^$/d' | sort | tr '\n' ' ')
ours=$(tr -s ' \n' '\n' <<<"$_tavo_calc_operations" | sed '/^$/d' | sort | tr '\n' ' ')
if [[ -z $program || $program != "$ours" ]]; then
    echo "FAIL calc operations: tavo has '$program', the completion '$ours'"
    failures=$((failures + 1))
fi

complete -p tavo >/dev/null || { echo "FAIL: no completion for tavo"; failures=$((failures + 1)); }
echo "$(( ${#rows[@]} + 2 - failures )) passed, $failures failed"
((failures == 0))
