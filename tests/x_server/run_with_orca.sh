#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program beside the Orca screen reader, on a virtual X server and a
# session bus of its own, and tells the program where Orca writes what it says
# (LETTERAMA_ORCA_LOG). Orca speaks through speech-dispatcher into a silent
# synthesiser, so no sound card is needed. Where a tool is missing, or another Orca
# runs and no private process space can be had, the program runs without Orca and
# its tests skip, saying why (LETTERAMA_ORCA_SKIP).
set -u

if [ "${LETTERAMA_ORCA_STAGE:-}" = inside ]; then
  work=$(mktemp -d)
  orca_pid=
  bus_pid=
  stop() {
    [ -n "$orca_pid" ] && kill "$orca_pid" 2>/dev/null
    speechd_pid_file="$work/run/speech-dispatcher/pid/speech-dispatcher.pid"
    [ -f "$speechd_pid_file" ] && kill "$(cat "$speechd_pid_file")" 2>/dev/null
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
    # LETTERAMA_ORCA_RECORD, when set, keeps Orca's record for a look after a failure.
    [ -n "${LETTERAMA_ORCA_RECORD:-}" ] && cp "$work/orca.log" "$LETTERAMA_ORCA_RECORD" 2>/dev/null
    rm -rf "$work"
  }
  trap stop EXIT
  export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config"
  mkdir -p "$HOME/.config/speech-dispatcher/modules" "$work/prefs"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  # A synthesiser that says nothing, on ALSA's null output.
  cat > "$HOME/.config/speech-dispatcher/speechd.conf" <<'CONF'
AddModule "silenzio" "sd_generic" "silenzio.conf"
DefaultModule silenzio
AudioOutputMethod "alsa"
AudioALSADevice "null"
CONF
  cat > "$HOME/.config/speech-dispatcher/modules/silenzio.conf" <<'CONF'
GenericExecuteSynth "true"
AddVoice "it" "MALE1" "it"
CONF
  # Orca buffers its record; each line must reach the file as it is said.
  cat > "$work/prefs/orca-customizations.py" <<'CONF'
import orca.debug
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
CONF
  export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  bus_pid=$!
  orca -u "$work/prefs" --debug-file "$work/orca.log" >"$work/orca.out" 2>&1 &
  orca_pid=$!
  LETTERAMA_ORCA_LOG="$work/orca.log" "$@"
  exit $?
fi

missing=
for tool in orca speech-dispatcher dbus-run-session xvfb-run xauth timeout; do
  command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || missing="$missing at-spi-bus-launcher"
if [ -n "$missing" ]; then
  export LETTERAMA_ORCA_SKIP="missing:$missing (tools/install-debian-packages.sh installs them)"
  exec "$@"
fi

export LETTERAMA_ORCA_STAGE=inside
# Orca refuses to start beside another Orca of the same user (and --replace would end
# it): in a process space of its own it sees none.
if unshare --pid --fork --mount-proc true >/dev/null 2>&1; then
  exec unshare --pid --fork --mount-proc timeout -k 10 280 dbus-run-session -- \
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
if pgrep -u "$(id -u)" -x orca >/dev/null 2>&1; then
  export LETTERAMA_ORCA_SKIP="another Orca runs for this user and no private process space is available"
  exec "$@"
fi
exec timeout -k 10 280 dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
