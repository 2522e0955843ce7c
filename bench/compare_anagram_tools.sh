#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `letterama-dict solve` and `letterama-dict lookup` as whole processes against
# the public anagram tools `an -w` and `wordplay -l -x`, all given the same word list:
# the words of a lexicon file, written out one per line. Each draw is first checked
# to give the same set of words from the three solvers; `lookup` judges the longest
# word of the draw, which it must find ("SI"). A summary gives each letterama-dict
# command's time as a share of `an`'s on the same draw (goal under 1/5, aim 1/10).
#
# Usage: bench/compare_anagram_tools.sh [--dict PATH] [--lexicon FILE] [--runs N] [LETTERS...]
#   --dict PATH     letterama-dict to time (default build/letterama/letterama-dict)
#   --lexicon FILE  the lexicon (default assets/program_folder/SLESSICO.1)
#   --runs N        runs per command (default 20)
#   LETTERS         10-letter draws (default three draws of the game's kind)
#
# Needs the Debian packages an and wordplay, and perl. Uses hyperfine when it is
# installed (Debian package hyperfine), a plain timing loop otherwise.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dict="$root/build/letterama/letterama-dict"
lexicon="$root/assets/program_folder/SLESSICO.1"
runs=20
draws=()
while (($#)); do
  case "$1" in
    --dict) dict=$2; shift 2 ;;
    --lexicon) lexicon=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    -h|--help) sed -n '2,16p' "$0"; exit 0 ;;
    *) draws+=("$1"); shift ;;
  esac
done
((${#draws[@]})) || draws=(AEIOCSTRLN EAOURNTSPM IAEOLCDRGS)

find_tool() {
  command -v "$1" 2>/dev/null || { [[ -x /usr/games/$1 ]] && echo "/usr/games/$1"; } || return 1
}
an=$(find_tool an) || { echo "compare_anagram_tools.sh: an is missing (apt-get install an)" >&2; exit 1; }
wordplay=$(find_tool wordplay) || { echo "compare_anagram_tools.sh: wordplay is missing (apt-get install wordplay)" >&2; exit 1; }
[[ -x $dict ]] || { echo "compare_anagram_tools.sh: no letterama-dict at $dict (build first, or --dict)" >&2; exit 1; }
dict=$(cd "$(dirname "$dict")" && pwd)/$(basename "$dict")
[[ -f $lexicon ]] || { echo "compare_anagram_tools.sh: no lexicon at $lexicon" >&2; exit 1; }

declare -A longest
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$lexicon" "$work/SLESSICO.1"

# The word list: every word of the file as its index lays them out (13 records of
# two 8-byte decimal fields at offset 200, for lengths 3 to 15).
perl -e '
  local $/; open my $f, "<:raw", $ARGV[0] or die "$ARGV[0]: $!"; my $d = <$f>;
  for my $n (3 .. 15) {
    my $at = 200 + 16 * ($n - 3);
    my ($start) = substr($d, $at, 8) =~ /^ *(\d*)/;
    my ($end) = substr($d, $at + 8, 8) =~ /^ *(\d*)/;
    next unless $start && $end && $end > $start;
    for my $k (0 .. int(($end - $start) / $n) - 1) {
      my $word = substr($d, $start - 1 + $k * $n, $n);
      print "$word\n" if length($word) == $n;
    }
  }' "$work/SLESSICO.1" > "$work/words.txt"
echo "Word list: $(wc -l < "$work/words.txt") words from $lexicon"

cd "$work"
for draw in "${draws[@]}"; do
  "$dict" solve --lexicon SLESSICO.1 "$draw" > solve.txt
  sed 's/.* //' solve.txt | sort -u > ours.txt
  "$an" -w -m 3 -d words.txt "$draw" | sort -u > an.txt
  "$wordplay" "$draw" -l -x -s -v -n3 -f words.txt | sort -u > wordplay.txt
  if ! cmp -s ours.txt an.txt || ! cmp -s ours.txt wordplay.txt; then
    echo "Draw $draw: the tools disagree ($(wc -l < ours.txt) / $(wc -l < an.txt) / $(wc -l < wordplay.txt) words)" >&2
    exit 1
  fi
  longest[$draw]=$(tail -n 1 solve.txt | sed 's/.* //')
  verdict=$("$dict" lookup --lexicon SLESSICO.1 "$draw" "${longest[$draw]}")
  if [[ $verdict != SI ]]; then
    echo "Draw $draw: lookup of ${longest[$draw]} says '$verdict', not SI" >&2
    exit 1
  fi
  echo "Draw $draw: $(wc -l < ours.txt) words from each tool; lookup ${longest[$draw]}"
done

commands=()
for draw in "${draws[@]}"; do
  commands+=("$dict solve --lexicon SLESSICO.1 $draw"
             "$dict lookup --lexicon SLESSICO.1 $draw ${longest[$draw]}"
             "$an -w -m 3 -d words.txt $draw"
             "$wordplay $draw -l -x -s -v -n3 -f words.txt")
done

if command -v hyperfine > /dev/null; then
  hyperfine -N --warmup 2 --runs "$runs" --style basic --export-markdown "$work/table.md" \
    --export-json "$work/times.json" "${commands[@]}" > /dev/null
  cat "$work/table.md"
  # Each letterama-dict command against `an` on the same draw (commands come in fours).
  perl -MJSON::PP -e '
    local $/; open my $f, "<", $ARGV[0] or die; my @r = @{decode_json(<$f>)->{results}};
    print "\n| Draw | solve / an | lookup / an |\n|:---|---:|---:|\n";
    for (my $i = 0; $i + 3 < @r; $i += 4) {
      my ($draw) = $r[$i]{command} =~ /(\S+)$/;
      printf "| %s | 1/%.1f | 1/%.1f |\n", $draw, $r[$i + 2]{mean} / $r[$i]{mean}, $r[$i + 2]{mean} / $r[$i + 1]{mean};
    }' "$work/times.json"
else
  echo "| Command | Mean [ms] |"
  echo "|:---|---:|"
  for command in "${commands[@]}"; do
    # shellcheck disable=SC2086  # each command is split into its words on purpose
    $command > /dev/null
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do $command > /dev/null; done
    end=$(date +%s%N)
    echo "| \`$command\` | $(((end - start) / runs / 1000000)) |"
  done
fi
