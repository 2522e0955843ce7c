#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the two documents of the program folder from the texts under text/:
#   REGPAROL.TXT   the word rules, plain ASCII with CR LF line ends (the game
#                  reads it as single-byte text and shows it in a message box)
#   Letterama.htm  the help page, UTF-8 with CR LF, with the logo built in as a
#                  data address so that the page needs no other file
# Usage: make_documents.sh OUTPUT_FOLDER   (letteramalogo.jpg must be there already)
set -euo pipefail

out=${1:?usage: make_documents.sh OUTPUT_FOLDER}
text="$(cd "$(dirname "$0")" && pwd)/text"

if LC_ALL=C grep -q -n '[^ -~]' "$text/word_rules.txt"; then
  echo "make_documents.sh: word_rules.txt must be plain ASCII (write accents as apostrophes)" >&2
  exit 1
fi
sed 's/$/\r/' "$text/word_rules.txt" >"$out/REGPAROL.TXT"

logo="$out/letteramalogo.jpg"
[ -f "$logo" ] || { echo "make_documents.sh: $logo is missing" >&2; exit 1; }
logo_base64=$(base64 -w 0 "$logo")
awk -v logo="$logo_base64" '{ gsub(/@LOGO_BASE64@/, logo); printf "%s\r\n", $0 }' \
  "$text/help_page.htm" >"$out/Letterama.htm"
