#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# check-completion.sh BIN_DIR COMPLETION
#
# Drives the bash completion of ratedload-cli as bash does (COMP_WORDS,
# COMP_CWORD) with the program in BIN_DIR on PATH, and checks that it offers
# every command and every option that the program's help and each command's
# help show, and the values of --type, --class and --format.
set -uo pipefail

bin=$1 completion=$2
export PATH="$bin:$PATH"
cli=ratedload-cli

failures=0
fail() {
    echo "FAIL: completion: $*" >&2
    failures=$((failures + 1))
}

# shellcheck source=/dev/null
source "$completion" || { echo "FAIL: cannot source $completion" >&2; exit 1; }

# offered WORD...: what the completion offers after the words typed so far
# (the last one is the word being completed).
offered() {
    COMP_WORDS=("$cli" "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _ratedload_cli "$cli" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort
}

# expect_offers WHAT EXPECTED... -- WORD...: every expected word is offered
expect_offers() {
    local what=$1 expected=() word got
    shift
    while [ "$1" != -- ]; do expected+=("$1"); shift; done
    shift
    got=$(offered "$@")
    for word in "${expected[@]}"; do
        grep -qxF -- "$word" <<<"$got" || fail "$what: '$cli $*' does not offer $word (offers: $(tr '\n' ' ' <<<"$got"))"
    done
}

# expect_exactly WHAT EXPECTED... -- WORD...: exactly these words, no others
expect_exactly() {
    local what=$1 expected=() got want
    shift
    while [ "$1" != -- ]; do expected+=("$1"); shift; done
    shift
    got=$(offered "$@" | tr '\n' ' ')
    want=$(printf '%s\n' "${expected[@]}" | sort | tr '\n' ' ')
    [ "$got" = "$want" ] || fail "$what: '$cli $*' offers '$got', expected '$want'"
}

# The commands and options as the help shows them, read here on their own.
options_of() {
    "$cli" "$@" --help | grep -oE '^  -[^ ]+' | sed 's/^  //' | tr ',' '\n'
}
help=$("$cli" --help)
mapfile -t commands < <(sed -n '/^Commands:$/,/^$/p' <<<"$help" | grep -oE '^  [a-z][^ ]*' | sed 's/^  //')
[ "${#commands[@]}" -ge 4 ] || fail "fewer than 4 commands in '$cli --help': ${commands[*]}"

mapfile -t top < <(options_of)
expect_offers "commands" "${commands[@]}" -- ""
expect_exactly "options of the program" "${top[@]}" -- -

for command in "${commands[@]}"; do
    mapfile -t options < <(options_of "$command")
    [ "${#options[@]}" -ge 2 ] || fail "no options in '$cli $command --help'"
    expect_offers "options of $command" "${options[@]}" -- "$command" ""
    expect_offers "options of $command after a flag" "${options[@]}" -- "$command" --metric ""
    expect_exactly "options of $command starting --t" $(printf '%s\n' "${options[@]}" | grep '^--t') -- "$command" --t

    expect_exactly "values of --type" passenger freight freight-passenger -- "$command" --type ""
    expect_exactly "values of --class" A B C1 C2 C3 -- "$command" --type freight --class ""
    formats=$("$cli" "$command" --help | grep -oE '^  --format [A-Z]+:\{[^}]*\}' | sed 's/.*{//; s/}//' | tr ',' ' ')
    [ -n "$formats" ] || fail "$command --help shows no values of --format"
    # shellcheck disable=SC2086
    expect_exactly "values of --format" $formats -- "$command" --format ""
    if "$cli" "$command" --help | grep -q -- '^  --depth '; then
        expect_exactly "a side is not completed" -- "$command" --depth ""
    fi
done
expect_exactly "after a command, no second command" $(options_of load | grep '^--') -- load --area 50 --

# The words offered are words the program takes: whatever else it says, it
# does not refuse the option.
refuses() {
    local option=$1
    shift
    "$cli" "$@" 2>&1 >/dev/null | grep -q -- "^$cli: $option:"
}
for type in $(offered load --type ""); do
    refuses --type load --type "$type" --area 50 && fail "'$cli load --type $type' refuses the type it is offered"
done
for class in $(offered load --type freight --class ""); do
    refuses --class load --type freight --class "$class" --area 50 \
        && fail "'$cli load --type freight --class $class' refuses the class it is offered"
done
for format in $(offered load --format ""); do
    refuses --format load --format "$format" --area 50 && fail "'$cli load --format $format' refuses the format it is offered"
done

if [ "$failures" -gt 0 ]; then
    echo "$failures completion check(s) failed" >&2
    exit 1
fi
echo "ok: completion offers ${#commands[@]} commands, their options and values"
