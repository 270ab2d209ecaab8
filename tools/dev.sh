#!/usr/bin/env bash
# Sidaro developer entry point.
#   tools/dev.sh run   [sdro arguments]  set up, build (Release) and start the program
#   tools/dev.sh test                    set up, build and run the whole test suite,
#                                        then the sanitizer stage
#   tools/dev.sh sanitize                only the sanitizer stage (ASan + UBSan, non-Qt libraries)
#   tools/dev.sh setup                   only install what is missing
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${SDRO_BUILD_DIR:-$root/build/release}
asan_build=${SDRO_ASAN_BUILD_DIR:-$root/build/asan}
jobs=$(nproc 2>/dev/null || echo 2)

packages=(build-essential cmake ninja-build ccache pkg-config python3
          qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev liberfa-dev)

say() { printf '== %s\n' "$*"; }

setup() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if ((${#missing[@]})); then
    say "installing ${missing[*]}"
    local sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  export CCACHE_DIR=${CCACHE_DIR:-$root/build/ccache}
  export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-2G}
  if [[ -x $root/tools/data/make_zones.sh ]]; then
    "$root/tools/data/make_zones.sh" --if-missing || say "zone catalogues not built; zoom charts show the main catalogue only"
  fi
}

configure_build() { # dir, extra cmake args...
  local dir=$1; shift
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

run_tests() { # dir
  ctest --test-dir "$1" -j "$jobs" --output-on-failure --timeout 600
}

sanitize() {
  say "sanitizer stage: non-Qt libraries and their tests with ASan and UBSan"
  configure_build "$asan_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSDRO_SANITIZE=ON \
    -DSDRO_WITH_QT=OFF -DSDRO_WITH_BENCHMARKS=OFF
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_tests "$asan_build"
}

cmd=${1:-run}; shift || true
case $cmd in
  setup) setup ;;
  run)
    setup
    configure_build "$build"
    if [[ -z ${DISPLAY:-}${WAYLAND_DISPLAY:-} ]]; then
      out=$root/build/start-chart.png
      "$build/app/sdro" --render "$out" "$@"
      say "no display: the start chart was rendered to $out"
    else
      exec "$build/app/sdro" "$@"
    fi ;;
  test)
    setup
    say "build and test (Release)"
    configure_build "$build"
    run_tests "$build"
    sanitize ;;
  sanitize) setup; sanitize ;;
  *) echo "usage: tools/dev.sh run|test|sanitize|setup" >&2; exit 2 ;;
esac
