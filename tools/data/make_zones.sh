#!/usr/bin/env bash
# Build the SAO and PPM zone catalogues (362 files "*.dat" and 362 "*.ppm",
# about 33 MB) into data/. They are too large to commit; the program works
# without them (zoom charts then show the main star file).
#
#   tools/data/make_zones.sh               (re)build them
#   tools/data/make_zones.sh --if-missing  build them only when some are missing
# The source package is kept in tools/data/.cache, so a second build is fast.
# SPDX-License-Identifier: GPL-3.0-or-later
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
py=/usr/bin/python3
cache=${SDRO_DATA_CACHE:-$here/.cache}
out=${SDRO_ZONE_DIR:-$root/data}

present() {
  local n
  n=$(find "$out" -maxdepth 1 -type f -regextype posix-extended \
        -regex '.*/[0-9]{4}[+-][0-9][+-][0-9]\.(dat|ppm)' 2>/dev/null | wc -l)
  ((n == 724))
}

if [[ ${1:-} == --if-missing ]] && present; then
  exit 0
fi
echo "== zone catalogues into $out"
if ! "$py" "$here/gen/sources.py" --cache "$cache" stellarium-data kstars-data; then
  echo "zone catalogues: the star packages could not be fetched" >&2
  exit 1
fi
if ! "$py" "$here/gen/make_zones.py" --cache "$cache/x" --out "$out"; then
  echo "zone catalogues: building them failed" >&2
  exit 1
fi
present || { echo "zone catalogues: incomplete after the build" >&2; exit 1; }
