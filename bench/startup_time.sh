#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times a whole start-up of the game until its main window is shown and the event
# loop runs (bench/startup_probe, built with -DLETTERAMA_BENCH=ON), dynamic loading
# included, then prints the steps inside the process once.
#
# Usage: bench/startup_time.sh [--build DIR] [--runs N]
#   --build DIR  the build folder (default build); its letterama/ is the program folder
#   --runs N     runs (default 20)
# Runs on the X server of DISPLAY, or under xvfb-run when there is none (Debian
# package xvfb). Needs hyperfine. Goal under 0.6 s, aim under 0.3 s.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
runs=20
while (($#)); do
  case "$1" in
    --build) build=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    -h|--help) sed -n '2,10p' "$0"; exit 0 ;;
    *) echo "startup_time.sh: unknown argument $1" >&2; exit 2 ;;
  esac
done
probe="$build/bench/startup_probe"
[[ -x $probe ]] || { echo "startup_time.sh: no $probe (build the target startup_probe)" >&2; exit 1; }

run=()
[[ -n ${DISPLAY:-} ]] || run=(xvfb-run -a -s '-screen 0 1280x1024x24')
"${run[@]}" hyperfine -N --warmup 2 --runs "$runs" --style basic "$probe $build/letterama"
"${run[@]}" "$probe" "$build/letterama" --steps
