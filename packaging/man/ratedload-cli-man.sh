#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# ratedload-cli-man.sh CLI VERSION OUTPUT
#
# Writes the manual page ratedload-cli(1) from the program's own --help and
# the --help of each command it lists, so that the page says what the
# program says.
set -euo pipefail

cli=$1 version=$2 output=$3
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

roff() { awk -f "$here/help2roff.awk" "$@"; }

"$cli" --help >"$work/top"
# The commands, as the program's help lists them.
commands=$(awk '/^[A-Z][^ :]*( [^ :]+)*:$/ { in_commands = ($0 == "Commands:"); next }
                in_commands && /^  [^ ]/ { print $1 }' "$work/top")
[ -n "$commands" ] || { echo "$0: no commands in $cli --help" >&2; exit 1; }

summary=$(head -n 1 "$work/top")
summary=${summary%.}
{
    echo '.\" Made by the build from ratedload-cli --help and the --help of each command.'
    echo ".TH RATEDLOAD-CLI 1 \"\" \"ratedload $version\" \"User Commands\""
    echo '.SH NAME'
    echo "ratedload-cli \\- $(sed 's/-/\\-/g' <<<"${summary,}")"
    echo '.SH SYNOPSIS'
    roff -v mode=synopsis "$work/top"
    for command in $commands; do
        "$cli" "$command" --help >"$work/$command"
        echo '.br'
        roff -v mode=synopsis "$work/$command"
    done
    for command in $commands; do
        roff -v mode=command -v name="$command" -v skip="$work/top" "$work/$command"
    done >"$work/commands.roff"
    roff -v mode=top "$work/top" | awk -v file="$work/commands.roff" '
        $0 == ".\\\" @COMMANDS@" { while ((getline line < file) > 0) print line; next }
        { print }'
    echo '.SH "SEE ALSO"'
    echo '.BR ratedload (1)'
} >"$work/page"
mv "$work/page" "$output"
