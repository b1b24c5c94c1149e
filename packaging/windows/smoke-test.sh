#!/usr/bin/env bash
# Starts the real Windows program under Xvfb and Wine, and the Linux program
# beside it, and does the same things in both from the keyboard, as a user
# would; then compares what they left behind.
#
#   smoke-test.sh <velinda.exe> <Linux velinda> <work folder>
#
# Each program runs from a fresh copy of its program folder in the work
# folder. Checked: the login window appears; the initial password opens the
# main menu; a receipt saved in the acceptance workspace has the same bytes
# in both archives. Screenshots of every step are left in the work folder.
# Wine's environment (WINEPREFIX, WINEPATH) is the caller's.
set -euo pipefail

windows_exe=$(realpath "$1")
linux_exe=$(realpath "$2")
work=$3
rm -rf "$work"
mkdir -p "$work"
work=$(realpath "$work")

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
pass() { echo "PASS: $*"; }

# A display of our own, with a window manager, so that windows get focus.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &

# The id of the visible window whose title holds the text, waiting up to a
# minute for it (Wine takes a while to start); empty when none appears.
window_titled() {
  timeout 60 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1 || true
}

shot() { import -window root "$work/$1.png" 2>/dev/null || true; }

# Types text into the focused window, slowly enough for Wine.
type_text() { xdotool type --delay 60 -- "$1"; }
press() { xdotool key --delay 120 "$@"; }

# One run of a program: its folder, the command that starts it.
# Usage: session NAME COMMAND...
session() {
  local name=$1
  shift
  local folder=$work/$name
  local pid window
  echo "== $name"
  "$@" >"$work/$name.log" 2>&1 &
  pid=$!

  window=$(window_titled "Velinda - Accesso al programma")
  if [ -z "$window" ]; then
    fail "$name: no login window"
    shot "$name-no-login"
    kill "$pid" 2>/dev/null || true
    return
  fi
  pass "$name: the login window appears"
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  shot "$name-1-login"
  type_text girasolebianco
  press Return

  window=$(window_titled "Velinda - Menu principale")
  if [ -z "$window" ]; then
    fail "$name: the initial password does not open the main menu"
    shot "$name-no-menu"
    kill "$pid" 2>/dev/null || true
    return
  fi
  pass "$name: girasolebianco opens the main menu"
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  shot "$name-2-menu"

  save_receipt "$name"

  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -d "$folder" ] || true
}

# Opens the acceptance workspace from the main menu, fills a receipt and
# saves it.
save_receipt() {
  local name=$1 window
  # The menu's buttons take the focus in turn; the second opens the receipts.
  press Tab Tab space
  window=$(window_titled "Ricevute di accettazione")
  if [ -z "$window" ]; then
    fail "$name: the acceptance workspace does not open"
    shot "$name-no-acceptance"
    return
  fi
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  press ctrl+n
  type_text "Mario Rossi"
  press Tab
  type_text "Via Roma 1"
  press ctrl+s
  sleep 2
  shot "$name-3-saved"
  press Escape
}

# Both programs run from copies of their program folders.
cp -a "$(dirname "$linux_exe")" "$work/linux"
cp -a "$(dirname "$windows_exe")" "$work/windows"
session linux "$work/linux/$(basename "$linux_exe")"
session windows wine64 "$work/windows/$(basename "$windows_exe")"

archive=Ricevute_Accettazione.pro
if [ ! -s "$work/linux/$archive" ]; then
  fail "the Linux program saved no receipt, nothing to compare with"
elif cmp -s "$work/linux/$archive" "$work/windows/$archive"; then
  pass "the saved receipt has the same bytes on Windows as on Linux"
else
  fail "the saved receipts differ: $work/linux/$archive $work/windows/$archive"
fi

echo "smoke test: $failures failed"
[ "$failures" -eq 0 ]
