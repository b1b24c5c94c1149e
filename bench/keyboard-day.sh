#!/usr/bin/env bash
# A day's task from the keyboard alone, in the real program under Xvfb and
# openbox, counting the keys it takes. No mouse action is made.
#
#   keyboard-day.sh <program folder> <work folder>
#
# The task: log in, open the acceptance workspace, fill a new receipt with
# the recipient imported from the address book, save, look at the preview,
# print to PDF, find the letter in the list of letters not sent, open it and
# mark it sent. Before it (not counted) the address book gets one card.
# Checked at the end: the PDF is there and the stored receipt is marked
# sent. Screenshots of the steps are left in the work folder. Needs Xvfb,
# openbox, xdotool and ImageMagick's import.
set -euo pipefail

program=$(realpath "$1")
work=$2
rm -rf "$work"
mkdir -p "$work"
work=$(realpath "$work")
cp -a "$program" "$work/Velinda"

exec {display_pipe}<> <(:)
Xvfb -displayfd "$display_pipe" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 30 display_number <&"$display_pipe"
export DISPLAY=:$display_number
openbox >/dev/null 2>&1 &
window_manager=$!
velinda=
trap 'kill $velinda $window_manager $xvfb 2>/dev/null || true' EXIT

keys=0
characters=0
counting=false
# One key or chord per argument.
press() {
  xdotool key --delay 120 "$@"
  if $counting; then keys=$((keys + $#)); fi
}
type_text() {
  xdotool type --delay 40 -- "$1"
  if $counting; then characters=$((characters + ${#1})); fi
}
shot() { import -window root "$work/$1.png" 2>/dev/null || true; }
fail() {
  shot failed
  echo "FAIL: $*"
  exit 1
}

# Waits until the active window's title holds the text (is the text, with
# --exactly).
wait_active() {
  local pattern="*$1*"
  if [ "$1" = --exactly ]; then pattern=$2; shift; fi
  for _ in $(seq 150); do
    # shellcheck disable=SC2254
    case "$(xdotool getactivewindow getwindowname 2>/dev/null || true)" in
    $pattern) sleep 0.3; return 0 ;;
    esac
    sleep 0.1
  done
  fail "no active window \"$1\" (the active one: $(xdotool getactivewindow getwindowname 2>/dev/null || true))"
}

# The print dialog offers a PDF file of the document's name, in the home
# folder or the one the program runs in.
(cd "$work/Velinda" && HOME=$work exec ./velinda >"$work/velinda.log" 2>&1) &
velinda=$!

counting=true
wait_active "Accesso al programma"
type_text girasolebianco
press Return
wait_active "Menu principale"

# Not counted: a card in the address book.
counting=false
press ctrl+1
wait_active "Archivio Anagrafico"
press ctrl+n
type_text "Studio Legale Verdi"; press Tab
type_text "Via Garibaldi"; press Tab
type_text "12"; press Tab
type_text "20121"  # the fifth digit moves on to the town
type_text "Milano"; press Tab
type_text "MI"
press ctrl+s
wait_active Informazione
press Return
press ctrl+w
wait_active "Menu principale"
shot 0-menu

counting=true
press ctrl+2
wait_active "Ricevute Accettazione"
press ctrl+n
press ctrl+i
wait_active "Importa dati da archivio anagrafico"
type_text Verdi
press alt+c  # Cerca
sleep 0.5
press Down Return
wait_active "Ricevute Accettazione"
press ctrl+semicolon  # today's date
press ctrl+s
wait_active Attenzione  # the sender is missing; the cursor goes there
press Return
type_text "Studio Bianchi"; press Tab
type_text "Corso Italia 5"
press ctrl+s
wait_active Attenzione  # the contents are missing
press Return
type_text "Diffida"
press ctrl+s
wait_active Informazione
shot 1-saved
press Return
press ctrl+p
wait_active "Stampa Ricevuta Accettazione"
press ctrl+F2
wait_active "Anteprima di stampa"
shot 2-preview
press Escape
wait_active "Stampa Ricevuta Accettazione"
press Return  # Stampa
wait_active --exactly Stampa
shot 3-print-dialog
press Return  # to the PDF file the dialog offers
wait_active "Ricevute Accettazione"
press ctrl+l
wait_active "non inviate"
type_text Verdi
press Return Return  # on to Trova, and find
press Tab Return     # into the list, and open the line found
wait_active "Ricevute Accettazione"
press alt+i  # Inviata
press ctrl+s
wait_active Informazione
shot 4-sent
press Return
counting=false

[ -n "$(find "$work" -name 'Stampa Ricevuta Accettazione.pdf' -size +1k)" ] ||
  fail "no PDF printed"
# The sent mark is the field after the contents (250 characters after the
# length byte).
python3 - "$work/Velinda/Ricevute_Accettazione.pro" <<'PY' || fail "the receipt is not marked sent"
import sys
data = open(sys.argv[1], "rb").read()
at = data.index(b"\x07Diffida") + 251
length = data[at]
sys.exit(0 if data[at + 1:at + 1 + length].strip() else 1)
PY
echo "keyboard day: $keys keys and chords + $characters typed characters = $((keys + characters)) keystrokes, 0 mouse actions"
