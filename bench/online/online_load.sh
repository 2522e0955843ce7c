#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The live tables under load: a letterama-site on 127.0.0.1 with a lexicon of made-up
# words, and online_load's players at TABLES tables of four (default 250, 1,000
# players), one manche of SECONDS (default 30). Prints the client's figures and the
# server's memory before and after the tables opened.
#   bench/online/online_load.sh BUILD_DIR [TABLES] [SECONDS]
set -eu
build=${1:?build folder}
tables=${2:-250}
seconds=${3:-30}
data=$(mktemp -d)
trap 'kill $site 2>/dev/null; rm -rf "$data"' EXIT
# 40,000 pronounceable made-up words of 3 to 8 letters.
python3 - "$data/parole.txt" <<'PY'
import random, sys
random.seed(7)
v, c = "AEIOU", "BCDFGLMNPRSTVZ"
words = set()
while len(words) < 40000:
    n = random.randint(3, 8)
    words.add("".join(random.choice(c if i % 2 == 0 else v) for i in range(n)))
open(sys.argv[1], "w").write("\n".join(sorted(words)) + "\n")
PY
"$build/letterama/letterama-dict" build --language 1 -o "$data/SLESSICO.1" "$data/parole.txt" >/dev/null
"$build/letterama/letterama-site" serve --port 0 --data "$data" --per-address 100000 >"$data/site.out" 2>/dev/null &
site=$!
port=""
for _ in $(seq 100); do
  port=$(sed -n 's/.*127\.0\.0\.1:\([0-9]*\).*/\1/p' "$data/site.out")
  [ -n "$port" ] && break
  sleep 0.1
done
rss() { awk '/VmRSS/ {print $2}' /proc/$site/status; }
before=$(rss)
"$build/bench/online_load" "$port" "$tables" "$seconds" &
load=$!
sleep $((seconds / 2 + tables * 4 / 1000 + 2))
during=$(rss)
wait $load
echo "server memory: $before kB idle, $during kB with $tables tables in play: $(( (during - before) / tables )) kB a table"
