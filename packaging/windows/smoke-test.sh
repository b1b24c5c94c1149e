#!/usr/bin/env bash
# Starts the real Windows program under Xvfb and Wine, and the Linux program
# beside it, and does the same things in both from the keyboard, as a user
# would; then compares what they left behind.
#
#   smoke-test.sh <Windows program folder> <Linux program folder> <work folder>
#
# Each program runs from a fresh copy of its program folder in the work
# folder: the Windows one is the folder the zip holds, so that a DLL missing
# from the zip fails here. Checked: the login window appears; the initial
# password opens the main menu; a receipt saved in the acceptance workspace
# has the same bytes in both archives; its form, saved as a PDF from the
# print preview, has the same words within 0.01 mm of the same places; the
# archive's .xls export opens in LibreOffice Calc with the same cells from
# both. Screenshots of the steps
# are left in the work folder. WINEPREFIX is the caller's.
set -euo pipefail

windows_folder=$(realpath "$1")
linux_folder=$(realpath "$2")
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

# A display of our own (Xvfb picks a free number: other displays may be in
# use on the machine), with a window manager, so that windows get focus.
exec {display_pipe}<> <(:)
Xvfb -displayfd "$display_pipe" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 30 display_number <&"$display_pipe"
export DISPLAY=:$display_number
openbox >/dev/null 2>&1 &
window_manager=$!
trap 'kill $window_manager $xvfb 2>/dev/null || true' EXIT

shot() { import -window root "$work/$1.png" 2>/dev/null || true; }

# Types text into the focused window, slowly enough for Wine.
type_text() { xdotool type --delay 60 -- "$1"; }
press() { xdotool key --delay 120 "$@"; }

# The window whose title holds the text, waiting for it; empty when none
# appears in time.
wait_window() {
  local id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && break
    sleep 0.2
  done
  [ -n "$id" ] && xdotool windowactivate --sync "$id" >/dev/null 2>&1 && sleep 0.5
  echo "$id"
}

# Answers the message box that a step brings up with its default button.
answer() {
  [ -n "$(wait_window "$1")" ] || return 1
  press Return
}

# Where a program writes its PDF, as it names the file: the Windows program
# sees the work folder through Wine's drive Z:.
pdf_path_for() {
  if [ "$1" = windows ]; then
    local p="Z:$work/$1.pdf"
    echo "${p//\//\\}"
  else
    echo "$work/$1.pdf"
  fi
}

# Every word of a PDF with its page and its top-left corner in points, one
# per line ("page x y word"), as poppler reads them.
pdf_words() {
  pdftotext -bbox "$1" - | awk '
    /<page / { page++ }
    /<word / {
      match($0, /xMin="[^"]*"/); x = substr($0, RSTART + 6, RLENGTH - 7)
      match($0, /yMin="[^"]*"/); y = substr($0, RSTART + 6, RLENGTH - 7)
      w = $0; sub(/.*">/, "", w); sub(/<\/word>.*/, "", w)
      print page, x, y, w
    }'
}

# One run of a program from its folder.
# Usage: session NAME COMMAND...
session() {
  local name=$1
  shift
  local pid
  echo "== $name"
  "$@" >"$work/$name.log" 2>&1 &
  pid=$!
  if steps "$name"; then :; else shot "$name-failed"; fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

steps() {
  local name=$1 window
  window=$(wait_window "Velinda - Accesso al programma")
  [ -n "$window" ] || { fail "$name: no login window"; return 1; }
  pass "$name: the login window appears"
  shot "$name-1-login"
  type_text girasolebianco
  press Return

  window=$(wait_window "Velinda - Menu principale")
  [ -n "$window" ] || { fail "$name: the initial password does not open the main menu"; return 1; }
  pass "$name: girasolebianco opens the main menu"
  shot "$name-2-menu"

  press ctrl+2
  window=$(wait_window "Velinda - Ricevute Accettazione")
  [ -n "$window" ] || { fail "$name: the acceptance workspace does not open"; return 1; }

  # A new receipt; Save names each missing field and leaves the cursor there.
  press ctrl+n
  type_text "Mario Rossi"
  press Tab
  type_text "Via Roma 1"
  press ctrl+s
  answer Attenzione || { fail "$name: no word about the missing sender"; return 1; }
  type_text "Studio Bianchi"
  press Tab
  type_text "Corso Italia 5"
  press ctrl+s
  answer Attenzione || { fail "$name: no word about the missing date"; return 1; }
  type_text "01/12/2026"
  press ctrl+s
  answer Attenzione || { fail "$name: no word about the missing contents"; return 1; }
  type_text "Documenti contabili"
  press ctrl+s
  answer Informazione || { fail "$name: the receipt is not saved"; return 1; }
  shot "$name-3-saved"

  # The receipt's form, from its print screen's preview, saved as a PDF:
  # Ctrl+P opens the print screen, Ctrl+F2 the preview, Ctrl+S asks for the
  # file, which is typed whole into the file dialog.
  press ctrl+p
  [ -n "$(wait_window "Stampa Ricevuta Accettazione")" ] || { fail "$name: no print screen"; return 1; }
  press ctrl+F2
  [ -n "$(wait_window "Anteprima di stampa")" ] || { fail "$name: no preview"; return 1; }
  press ctrl+s
  [ -n "$(wait_window "Salva PDF")" ] || { fail "$name: no file dialog for the PDF"; return 1; }
  press ctrl+a
  type_text "$(pdf_path_for "$name")"
  press Return
  for _ in $(seq 100); do [ -s "$work/$name.pdf" ] && break; sleep 0.2; done
  [ -s "$work/$name.pdf" ] || { fail "$name: the preview wrote no PDF"; return 1; }
  shot "$name-4-pdf"
  press Escape
  sleep 0.5
  press Escape
  [ -n "$(wait_window "Velinda - Ricevute Accettazione")" ] || { fail "$name: the print screen does not close"; return 1; }

  # The archive exported to the .xls file beside the program: Ctrl+E opens
  # the export screen, where Ctrl+E exports; the first question is whether
  # to export now, the second whether to open the file (no).
  press ctrl+e
  [ -n "$(wait_window "Esporta ricevute")" ] || { fail "$name: no export screen"; return 1; }
  press ctrl+e
  answer Conferma || { fail "$name: no question before the export"; return 1; }
  sleep 1
  [ -n "$(wait_window Conferma)" ] || { fail "$name: the export did not end"; return 1; }
  shot "$name-5-exported"
  press Escape
}

# Both programs run from copies of their program folders.
cp -a "$linux_folder" "$work/linux"
cp -a "$windows_folder" "$work/windows"
session linux "$work/linux/velinda"
# Only what the zip carries: no DLL from the build's folders.
WINEPATH= session windows wine "$work/windows/velinda.exe"

# The form printed to PDF by both: the same words, each within 0.01 mm
# (0.0283 points) of where the Linux program put it.
if [ ! -s "$work/linux.pdf" ] || [ ! -s "$work/windows.pdf" ]; then
  fail "the form was not saved as a PDF by both programs: $work/linux.pdf $work/windows.pdf"
else
  pdf_words "$work/linux.pdf" >"$work/linux-words.txt"
  pdf_words "$work/windows.pdf" >"$work/windows-words.txt"
  if ! grep -q Bianchi "$work/linux-words.txt"; then
    fail "the Linux PDF lacks the receipt's words: $work/linux-words.txt"
  elif worst=$(paste -d' ' "$work/linux-words.txt" "$work/windows-words.txt" | awk '
      function abs(v) { return v < 0 ? -v : v }
      NF != 8 || $1 != $5 || $4 != $8 { print "the words differ: " $0; bad = 1; exit }
      { d = abs($2 - $6); if (abs($3 - $7) > d) d = abs($3 - $7); if (d > worst) worst = d }
      END { if (!bad) printf "%.4f", worst * 25.4 / 72; exit bad }') &&
    [ "$(wc -l <"$work/linux-words.txt")" -eq "$(wc -l <"$work/windows-words.txt")" ]; then
    if awk -v w="$worst" 'BEGIN { exit !(w <= 0.01) }'; then
      pass "the printed form has its $(wc -l <"$work/linux-words.txt") words where Linux puts them (furthest off: $worst mm)"
    else
      fail "a word of the printed form is $worst mm from where Linux puts it: $work/linux-words.txt $work/windows-words.txt"
    fi
  else
    fail "the printed forms hold different words: $worst $work/linux-words.txt $work/windows-words.txt"
  fi
fi

archive=Ricevute_Accettazione.pro
if [ ! -s "$work/linux/$archive" ]; then
  fail "the Linux program saved no receipt, nothing to compare with"
elif cmp -s "$work/linux/$archive" "$work/windows/$archive"; then
  pass "the saved receipt has the same bytes on Windows as on Linux"
else
  fail "the saved receipts differ: $work/linux/$archive $work/windows/$archive"
fi

# Both exports, opened by LibreOffice Calc and written back as CSV, hold
# the same cells, the receipt among them.
export_file=Ricevute_Accettazione.xls
calc_profile=$(mktemp -d)
for side in linux windows; do
  if [ -s "$work/$side/$export_file" ]; then
    soffice --headless --norestore "-env:UserInstallation=file://$calc_profile" \
      --convert-to csv --outdir "$work/$side-calc" "$work/$side/$export_file" >/dev/null 2>&1 || true
  fi
done
rm -rf "$calc_profile"
linux_cells=$work/linux-calc/Ricevute_Accettazione.csv
windows_cells=$work/windows-calc/Ricevute_Accettazione.csv
if ! command -v soffice >/dev/null; then
  fail "LibreOffice (soffice) is not installed: the .xls export is not checked"
elif [ ! -s "$linux_cells" ] || [ ! -s "$windows_cells" ]; then
  fail "LibreOffice could not open both .xls exports: $work/linux $work/windows"
elif ! grep -q "Studio Bianchi" "$windows_cells"; then
  fail "the Windows .xls export opened in LibreOffice lacks the receipt"
elif cmp -s "$linux_cells" "$windows_cells"; then
  pass "the .xls export opens in LibreOffice with the same cells on Windows as on Linux"
else
  fail "the .xls exports differ in LibreOffice: $linux_cells $windows_cells"
fi

echo "smoke test: $failures failed"
[ "$failures" -eq 0 ]
