#!/usr/bin/env bash
# Lists the includes that cross folders in the programs' sources: one line "from-folder -> to-folder count"
# per pair of folders, then the pairs of folders that include each other. Includes are written from the
# source root ("net/HttpClient.h"), so the included file's folder is its path without the file name;
# includes without a folder (system headers, "resource.h") are left out.
#   tools/folder-includes.sh [folder...]   (default: the programs and their layers; tests/ and tools/ too
#                                            when named)
set -euo pipefail
cd "$(dirname "$0")/.."
roots=("$@")
[ ${#roots[@]} -gt 0 ] || roots=(FoldVenBrowser VenUpdater net platform pe win)

pairs=$(find "${roots[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 grep -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+/[^"]+"' |
    sed -E 's|^([^:]+)/[^/:]+:[^"]*"([^"]+)/[^/"]+".*$|\1 \2|' |
    awk '$1 != $2' | sort | uniq -c | awk '{print $2 " -> " $3 " " $1}')

echo "$pairs"
echo "-- folders that include each other:"
mutual=$(awk '{print $1, $3}' <<<"$pairs" | awk '{edge[$1 " " $2] = 1} END {
    for (e in edge) { split(e, p, " "); if (p[1] < p[2] && ((p[2] " " p[1]) in edge)) print p[1] " <-> " p[2] }
}' | sort)
echo "${mutual:-none}"
