#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The day's challenge under load, on SQLite: 1,000 players send their word within
# the same second (daily_load: each word's time to its answer), then wrk (2 threads,
# 64 connections) on the day's ranking of those 1,000 tries beside nginx serving a
# static copy of the same page in the same run. Prints the load average before the
# run: figures from a shared machine are low; compare within one run.
#   bench/daily/daily_load.sh [BUILD_DIR] [SECONDS] [PLAYERS]
# Aim: each word answered with p99 under 50 ms; the ranking at least 0.5 of nginx's
# rate. Needs wrk, nginx-light and curl (Debian packages).
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
seconds=${2:-10}
players=${3:-1000}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
source "$source_dir/bench/static_nginx.sh"
site_program=$build/letterama/letterama-site
dict_program=$build/letterama/letterama-dict
load_program=$build/bench/daily_load
for tool in wrk nginx curl; do
  command -v "$tool" >/dev/null || { echo "daily_load.sh: $tool is missing (Debian package ${tool/nginx/nginx-light})"; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

echo "load average before the run: $(cut -d' ' -f1-3 /proc/loadavg)"
mkdir -p "$work/data"
cp "$source_dir/assets/program_folder/SLESSICO.1" "$work/data/"
setsid "$site_program" serve --port 0 --limit 100000 --per-address 20000 --data "$work/data" >"$work/site.out" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do
  site_url=$(grep -o 'http://127.0.0.1:[0-9]*' "$work/site.out" || true)
  [ -n "$site_url" ] && break
  sleep 0.1
done
[ -n "$site_url" ] || { echo "daily_load.sh: letterama-site did not start"; exit 1; }

letters=$(curl -s "$site_url/letterama/sfida/oggi.txt?lingua=1" | sed -n 4p | tr -d '\r')
word=$("$dict_program" solve --lexicon "$work/data/SLESSICO.1" "$letters" | awk '{w=$NF} END {print w}')
echo "board $letters, every player sends $word"
setsid "$load_program" "${site_url##*:}" "$word" "$players"

# nginx serving a static copy of the ranking page.
mkdir -p "$work/static/sfida"
curl -s "$site_url/letterama/sfida/classifica?lingua=1" >"$work/static/sfida/index.html"
start_static_nginx "$work" 18081

measure() {
  local name=$1 url=$2 out
  out=$(setsid wrk -t2 -c64 -d"${seconds}s" --latency "$url")
  rate=$(awk '/Requests\/sec/ {printf "%d", $2}' <<<"$out")
  printf '| %s | %s | %s |\n' "$name" "$rate" "$(awk '$1 == "99%" {print $2}' <<<"$out")"
}
echo "| Page | req/s | p99 |"
echo "|---|---|---|"
measure "nginx, static copy of the ranking page (same run)" "http://127.0.0.1:18081/sfida/"
nginx_rate=$rate
measure "the day's ranking of $players tries" "$site_url/letterama/sfida/classifica?lingua=1"
awk -v a="$rate" -v b="$nginx_rate" 'BEGIN { if (b > 0) printf "The ranking ran at %.2f of nginx'"'"'s rate.\n", a / b }'
echo "load average after the run: $(cut -d' ' -f1-3 /proc/loadavg)"
