#!/usr/bin/env bash
# Lists the functions longer than a limit (default 60 lines) in the programs' sources, longest first:
# "lines file:line name". A function's lines run from the line of its name to its closing brace, as
# Universal Ctags finds them (its "end" field).
#   tools/long-functions.sh [limit] [folder...]
set -euo pipefail
cd "$(dirname "$0")/.."
limit=${1:-60}
shift || true
roots=("$@")
[ ${#roots[@]} -gt 0 ] || roots=(FoldVenBrowser VenUpdater net platform pe win)
ctags -R --languages=C++ --kinds-C++=f --fields=+ne -x --_xformat="%{end} %{line} %F %N" "${roots[@]}" |
    awk -v limit="$limit" '{n = $1 - $2 + 1; if (n > limit) print n, $3 ":" $2, $4}' | sort -rn
