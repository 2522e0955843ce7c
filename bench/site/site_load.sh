#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Load on letterama-site with wrk at 64 connections: the record table page and the
# missing-words list, on SQLite and on PostgreSQL, beside nginx serving a static copy
# of the same table page in the same run (the ceiling); the table again while 10,000
# idle connections are held open (hold_connections.py); random page numbers of a
# table of 50,000 records beside its first page (random_page.lua). Then a record
# submission and the first page of 50,000 records timed without the network
# (site_bench). Prints the README's table: requests per second and the
# 99th-percentile latency, the site's rate as a share of nginx's, and the load the
# machine had (figures from a shared machine are low; compare within one run).
#   bench/site/site_load.sh [BUILD_DIR] [SECONDS]
# Aim: the table page at least 0.8 of nginx's rate with p99 under 10 ms, also with
# 10,000 idle connections held; random pages of 50,000 records at least half the
# rate of the first page; a submission under 5 ms. Needs wrk, nginx-light, python3
# and postgresql (Debian packages).
# Each server and wrk run in a session of their own, as services do on a server:
# with the kernel's autogroup scheduling, programs of one session share one group's
# time, while every PostgreSQL backend starts its own session; the site and wrk in
# the script's session then waited seconds for the backends.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
seconds=${2:-10}
connections=64
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../static_nginx.sh"
site_program=$build/letterama/letterama-site
bench_program=$build/bench/site_bench
for tool in wrk nginx curl; do
  command -v "$tool" >/dev/null || { echo "site_load.sh: $tool is missing (Debian package ${tool/nginx/nginx-light})"; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Starts letterama-site on a free port with the given database; sets $site_url.
start_site() {
  # Every client of the benchmark comes from 127.0.0.1.
  setsid "$site_program" serve --port 0 --limit 100000 --per-address 20000 --database "$1" >"$work/site.out" 2>/dev/null &
  site_pid=$!
  pids+=($site_pid)
  for _ in $(seq 100); do
    site_url=$(grep -o 'http://127.0.0.1:[0-9]*' "$work/site.out" || true)
    [ -n "$site_url" ] && return 0
    sleep 0.1
  done
  echo "site_load.sh: letterama-site did not start"; exit 1
}

# 60 records and 40 reported words, through the site's own forms.
seed() {
  for n in $(seq 60); do
    local query="Nome=GIOCATORE$n&programma=Letterama_ABC&data=09-12-2026&punti=$((n * 37 % 9000))&Manches=5&Note=Sono_il_migliore&E_MAIL=&ora=21:07&Language=1"
    local token
    token=$(curl -s "$site_url/letterama.asp?$query" | grep -o 'name="token" value="[^"]*"' | cut -d'"' -f4)
    curl -s -o /dev/null -X POST "$site_url/letterama.asp" --data "$query&token=$token"
  done
  for n in $(seq 40); do
    local token word
    word=$(printf 'PAROLA%c%c' "$(printf "\\x$(printf %x $((65 + n % 21)))")" "$(printf "\\x$(printf %x $((65 + n / 3)))")")
    token=$(curl -s "$site_url/letterama/segnala" | grep -o 'name="token" value="[^"]*"' | cut -d'"' -f4)
    curl -s -o /dev/null -X POST "$site_url/letterama/segnala" --data "parola=$word&Language=1&token=$token"
  done
}

# wrk on a URL (with a script of requests as a third argument); prints one row of
# the table: name, requests per second, p99. The rate is kept in $rate.
measure() {
  local name=$1 url=$2 script=${3:-} out
  out=$(setsid wrk -t2 -c"$connections" -d"${seconds}s" --latency ${script:+-s "$script"} "$url")
  rate=$(awk '/Requests\/sec/ {printf "%d", $2}' <<<"$out")
  printf '| %s | %s | %s |\n' "$name" "$rate" "$(awk '$1 == "99%" {print $2}' <<<"$out")"
}
# The share of $2 in $1, two decimals.
share() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
# One benchmark of site_bench as a row of the table: name, time per run.
bench_row() {
  local name=$1 filter=$2
  shift 2
  "$@" "$bench_program" --benchmark_filter="$filter" --benchmark_min_time=1 2>/dev/null |
    awk -v name="$name" '/^BM_/ {printf "| %s | %s %s (%s %s of it CPU) | |\n", name, $2, $3, $4, $5}'
}

# nginx serving a static copy of the table page.
start_nginx() {
  mkdir -p "$work/static/letterama"
  curl -s "$site_url/letterama/?Language=1" >"$work/static/letterama/index.html"
  start_static_nginx "$work" 18080
}

echo "Load average before the run: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores, ${seconds} s a row"
echo
echo "| Page | req/s | p99 |"
echo "|---|---|---|"
start_site "sqlite:$work/site.sqlite"
seed
start_nginx
measure "nginx, static copy of the table page (same run)" "http://127.0.0.1:18080/letterama/"
nginx_rate=$rate
measure "table, SQLite" "$site_url/letterama/?Language=1"
table_share=$(share "$rate" "$nginx_rate")
measure "missing-words list, SQLite" "$site_url/Public/mancanti.txt"
setsid python3 "$here/hold_connections.py" 127.0.0.1 "${site_url##*:}" 10000 >"$work/hold.out" &
holder=$!
pids+=($holder)
for _ in $(seq 300); do grep -q held "$work/hold.out" && break; sleep 0.1; done
measure "table, SQLite, 10,000 idle connections held" "$site_url/letterama/?Language=1"
held_share=$(share "$rate" "$nginx_rate")
kill "$holder"

# 50,000 records written straight into a new database the site laid out.
kill "$site_pid"
start_site "sqlite:$work/big.sqlite"
kill "$site_pid"
wait "$site_pid" 2>/dev/null || true
python3 - "$work/big.sqlite" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.executemany(
    "INSERT INTO records (language, name, points, manches, note, email, program, played_on, played_at,"
    " stored_at, address) VALUES (1, ?, ?, 5, 'Sono_il_migliore', '', 'Letterama_ABC', '2026-12-09', '21:07',"
    " 1800000000 + ?, '127.0.0.1')",
    ((f"GIOCATORE{n}", n * 7919 % 30000, n) for n in range(50000)))
db.execute("INSERT INTO settings (name, value) VALUES ('change-number', '1') ON CONFLICT (name) DO UPDATE SET"
           " value = CAST(CAST(settings.value AS BIGINT) + 1 AS TEXT)")
db.commit()
PY
start_site "sqlite:$work/big.sqlite"
measure "table of 50,000 records, page 1" "$site_url/letterama/?Language=1"
first_rate=$rate
PAGES=2000 measure "table of 50,000 records, random pages" "$site_url" "$here/random_page.lua"
random_share=$(share "$rate" "$first_rate")
bench_row "first page of 50,000 records, nothing read yet (site_bench)" BM_FirstPageOfBigTable
bench_row "a submission, SQLite (site_bench)" BM_SubmitRecord
summary() {
  echo
  echo "Table at $table_share of nginx's rate, $held_share with 10,000 idle connections held;" \
    "random pages of 50,000 records at $random_share of page 1's rate."
}

pg_bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
if [ -z "$pg_bin" ]; then
  summary
  echo "PostgreSQL not installed (Debian package postgresql): its rows skipped."
  exit 0
fi
as_server=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$work"
  as_server=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
(cd "$work" && "${as_server[@]}" "$pg_bin/initdb" -D "$work/pg" -U letterama --auth=trust -E UTF8 --locale=C --no-sync >/dev/null)
(cd "$work" && exec "${as_server[@]}" "$pg_bin/postgres" -D "$work/pg" -k "$work" -c listen_addresses= -c max_connections=60 \
  >"$work/pg.log" 2>&1) &
pids+=($!)
for _ in $(seq 100); do [ -S "$work/.s.PGSQL.5432" ] && break; sleep 0.1; done
sleep 0.5
database="postgresql:///postgres?host=$work&user=letterama"
kill "$site_pid"
start_site "$database"
seed
measure "table, PostgreSQL" "$site_url/letterama/?Language=1"
measure "missing-words list, PostgreSQL" "$site_url/Public/mancanti.txt"
bench_row "a submission, PostgreSQL (site_bench)" BM_SubmitRecord env LETTERAMA_SITE_BENCH_DATABASE="$database"
summary
