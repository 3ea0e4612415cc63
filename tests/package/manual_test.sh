#!/usr/bin/env bash
# The manual pages against the programs' own --help: every command of
# "brenwick-cli --help" has its subsection under COMMANDS, and each
# subsection lists exactly the long options of "brenwick-cli COMMAND --help";
# the OPTIONS sections list exactly the long options of both programs' --help.
# Usage: manual_test.sh BUILD_DIR (the programs and package-docs/*.1)
set -euo pipefail
build=$(cd "$1" && pwd)
cli="$build/brenwick-cli"
editor="$build/brenwick"
docs="$build/package-docs"
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

# The long options a help text lists: "--name" at the start of its option lines
# (and in its usage lines), sorted, one a line; --help and --help-all are
# every command's own.
help_options() { grep -E '^(Usage:| +-)' | grep -oE -- '--[a-z][a-z-]*' | grep -vxE -- '--help(-all)?' | sort -u || true; }
# The lines of a manual page's section (.SH NAME) or of a subsection (.SS NAME).
section() { awk -v want="$2 $3" -v kind="$2" '
  $0 == want { inside = 1; next }
  /^\.SH / || (kind == ".SS" && /^\.SS /) { inside = 0 }
  inside' "$1"; }
# The long options a piece of a manual page names (\-\- in roff).
manual_options() { sed 's/\\-/-/g' | grep -oE -- '--[a-z][a-z-]*' | grep -vxE -- '--help(-all)?' | sort -u || true; }

compare() {  # what, from --help, from the manual
  if [ "$2" != "$3" ]; then
    fail "$1: --help has [$(echo $2)], the manual page [$(echo $3)]"
  fi
}

page="$docs/brenwick-cli.1"
[ -f "$page" ] || { echo "FAIL: no $page" >&2; exit 1; }
compare "brenwick-cli" "$("$cli" --help | help_options)" "$(section "$page" .SH OPTIONS | manual_options)"
commands=$("$cli" --help | sed -n '/^Commands:/,/^$/p' | awk 'NF > 1 && /^  [a-z]/ {print $1}' | sort)
[ -n "$commands" ] || fail "brenwick-cli --help lists no commands"
listed=$(section "$page" .SH COMMANDS | sed -n 's/^\.SS //p' | sort)
compare "the commands" "$commands" "$listed"
for command in $commands; do
  compare "brenwick-cli $command" "$("$cli" "$command" --help | help_options)" \
          "$(section "$page" .SS "$command" | manual_options)"
done

page="$docs/brenwick.1"
if [ -x "$editor" ]; then
  compare "brenwick" "$("$editor" --help | help_options)" "$(section "$page" .SH OPTIONS | manual_options)"
fi
# What the editor keeps on disk.
files=$(section "$page" .SH FILES; section "$page" .SH ENVIRONMENT)
for word in brenwick.ini '\[autosave\]' '\[view\]' '\[window\]' '\[recent files\]' recovery BRENWICK_RECOVERY_DIR; do
  grep -q -- "$word" <<<"$files" || fail "brenwick(1) says nothing of $word under FILES"
done
[ $failed = 0 ] && echo "OK: the manual pages list what --help lists"
exit $failed
