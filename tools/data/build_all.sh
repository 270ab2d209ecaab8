#!/usr/bin/env bash
# Rebuild every committed file of the default data directory from its public
# sources (Debian and npm packages of pinned versions, fetched into
# tools/data/.cache), then check the result.
#
#   tools/data/build_all.sh            rebuild data/ in place
#   tools/data/build_all.sh --check    rebuild into a temporary folder and fail
#                                      unless every file equals the committed one
# The zone catalogues are not part of this: tools/data/make_zones.sh.
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
py=/usr/bin/python3
cache=${SDRO_DATA_CACHE:-$here/.cache}
generators=(make_sterne make_nebel make_linien make_mond make_erde make_orte make_elements make_small_files)

out=$root/data
check=0
if [[ ${1:-} == --check ]]; then
  check=1
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
fi

echo "== sources"
"$py" "$here/gen/sources.py" --cache "$cache" all
echo "== data files into $out"
for g in "${generators[@]}"; do
  "$py" "$here/gen/$g.py" --cache "$cache/x" --out "$out"
done
ln -sfn sterne.dat "$out/Sterne.dat"

if ((check)); then
  status=0
  for f in "$out"/*; do
    name=$(basename "$f")
    if ! cmp -s "$f" "$root/data/$name"; then
      echo "differs from the committed file: data/$name" >&2
      status=1
    fi
  done
  ((status == 0)) && echo "== every file equals the committed one"
  exit $status
fi
echo "== checks of the written files"
"$py" -m unittest discover -s "$here/tests" -p '*_test.py'
