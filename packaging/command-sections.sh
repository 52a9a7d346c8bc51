#!/bin/sh
# Writes a help2man include file with a COMMANDS section: for every command that
# "PROGRAM --help" lists, the command's own --help, so the manual page shows each
# command's arguments and options as the program states them.
# Usage: command-sections.sh PROGRAM OUTPUT
set -eu
program=$1
output=$2
commands=$("$program" --help | sed -n '/^Subcommands:/,$ { /^  [a-z]/ { s/^  \([a-z-]*\).*/\1/; p } }')
[ -n "$commands" ] || { echo "command-sections.sh: $program --help lists no commands" >&2; exit 1; }
{
  echo "[commands]"
  for command in $commands; do
    # The usage line heads the subsection; the help lines common to all commands are left out.
    "$program" "$command" --help >"$output.help"
    usage=$(sed -n 's/^Usage: //p' "$output.help")
    echo ".SS \"$usage\""
    sed -n '1p' "$output.help"
    echo ".PP"
    echo ".nf"
    # Body: the help after its first line, without the usage line, the two help options,
    # an "Options:" heading left empty by that, and blank lines at either end; roff
    # escapes for backslashes and for lines that begin with a dot or an apostrophe.
    awk 'NR == 1 || /^Usage: / || /^  -h,--help / || /^  --help-all / { next }
         { gsub(/\\/, "\\e"); if ($0 ~ /^[.\047]/) $0 = "\\&" $0; lines[++n] = $0 }
         END {
           for (i = 1; i <= n; i++)
             if (lines[i] == "Options:" && (i == n || lines[i + 1] == "")) lines[i] = ""
           first = 1; while (first <= n && lines[first] == "") first++
           last = n; while (last >= first && lines[last] == "") last--
           for (i = first; i <= last; i++) print lines[i]
         }' "$output.help"
    echo ".fi"
  done
} >"$output"
rm -f "$output.help"
