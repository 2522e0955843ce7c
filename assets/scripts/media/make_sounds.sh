#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the wave files of the program folder: the spoken name of every letter
# (A.WAV .. Z.WAV), the clock tick (TIC.WAV) and the short signal (SOUND2.wav).
# Usage: make_sounds.sh OUTPUT_FOLDER
#
# Every file is 16-bit PCM mono at 22050 Hz. sox runs in repeatable mode without
# dither, so the same tools give byte-identical files on every run.
set -euo pipefail

out=${1:?usage: make_sounds.sh OUTPUT_FOLDER}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=22050
sox_out=(-R -D)
format=(-r "$rate" -c 1 -b 16 -e signed-integer)

# The game waits 0.6 s after starting a sound and the next sound cuts the last
# one short, so every letter must be said well within that time.
max_letter_seconds=0.52

# Italian names of the letters. espeak's default reading of "elle" has a closed
# e; the phoneme form gives the open e of standard Italian.
declare -A letter_name=(
  [A]="a" [B]="bi" [C]="ci" [D]="di" [E]="e" [F]="effe" [G]="gi" [H]="acca"
  [I]="i" [J]="i lunga" [K]="cappa" [L]="[['Elle]]" [M]="emme" [N]="enne"
  [O]="o" [P]="pi" [Q]="cu" [R]="erre" [S]="esse" [T]="ti" [U]="u" [V]="vu"
  [W]="doppia vu" [X]="ics" [Y]="ipsilon" [Z]="zeta"
)

speak_letter() {
  local letter=$1 raw="$work/$1-raw.wav" trimmed="$work/$1-trim.wav"
  espeak-ng -v it -s 170 -p 58 -a 90 -w "$raw" "${letter_name[$letter]}"
  # Cut the silence espeak leaves at both ends and the low rumble below speech.
  sox "${sox_out[@]}" "$raw" "$trimmed" gain -3 highpass 90 \
    silence 1 0.005 0.6% reverse silence 1 0.005 0.6% reverse
  local seconds tempo
  seconds=$(soxi -D "$trimmed")
  tempo=$(awk -v s="$seconds" -v m="$max_letter_seconds" 'BEGIN { t = s / m; printf "%.3f", (t > 1 ? t : 1) }')
  # Speed up the long names (doppia vu, i lunga, ipsilon) without raising the pitch,
  # then add a little room so the voice does not sound dry, fade both ends so
  # nothing clicks, and bring the peak to -1 dBFS.
  sox "${sox_out[@]}" "$trimmed" "${format[@]}" "$out/$letter.WAV" \
    tempo -s "$tempo" reverb 18 40 35 0 0 0 channels 1 \
    compand 0.004,0.12 6:-70,-70,-40,-28,-20,-12,0,-6 -2 \
    fade q 0.006 -0 0.05 gain -n -1
}

for letter in {A..Z}; do
  speak_letter "$letter"
done

# Clock tick: a woodblock-like knock, a bright partial and a lower body with a
# very fast decay, plus a breath of noise for the attack. Quiet, since it comes
# every second.
sox "${sox_out[@]}" -n "${format[@]}" "$work/tick-tone.wav" \
  synth 0.045 sine 2350 sine 1180 remix 1v0.55,2v0.45 fade l 0.0008 0.045 0.043
sox "${sox_out[@]}" -n "${format[@]}" "$work/tick-noise.wav" \
  synth 0.006 whitenoise bandpass 3200 1.2q fade l 0.0004 0.006 0.0055 vol 0.5
sox "${sox_out[@]}" -m "$work/tick-tone.wav" "$work/tick-noise.wav" "${format[@]}" \
  "$out/TIC.WAV" gain -n -7

# Signal: a two-note bell-like chime rising a fourth (G5 then C6), each note a
# fundamental with two soft overtones and a long decay.
chime_note() {
  local frequency=$1 delay=$2 file=$3
  sox "${sox_out[@]}" -n "${format[@]}" "$file" \
    synth 0.17 sine "$frequency" sine "$(awk -v f="$frequency" 'BEGIN { print f * 2 }')" \
    sine "$(awk -v f="$frequency" 'BEGIN { print f * 3.01 }')" \
    remix 1v0.62,2v0.26,3v0.09 fade l 0.003 0.17 0.16 pad "$delay" 0
}
chime_note 783.99 0 "$work/chime-low.wav"
chime_note 1046.50 0.085 "$work/chime-high.wav"
sox "${sox_out[@]}" -m "$work/chime-low.wav" "$work/chime-high.wav" "${format[@]}" \
  "$out/SOUND2.wav" fade q 0 -0 0.03 gain -n -3
