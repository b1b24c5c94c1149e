#!/usr/bin/env bash
# Times the list, search and export screens of the real program on an almost
# empty and on a 100,000-record acceptance archive, without and with the
# accessibility bridge, each in a few programs of their own. Each program
# reads the archive raw and then does the screen's work, three rounds, and
# keeps the fastest of each (see screen_timing.cpp): the ratio x_raw is its
# own, measured alike in the same run. The last lines give, per screen, the
# median of the programs' ratios. Needs a display (DISPLAY=:12 with Xvfb)
# and, for the bridge, dbus-run-session and at-spi2-core; with
# python3-pyatspi a stand-in screen reader (at-listener.py) listens too.
#
#   bench/time-screens.sh build-bench/bench/screen_timing /tmp/velinda-timing [runs] [what...]
# BRIDGE_ONLY=1 leaves out the runs without the bridge.
#
# Columns: what, records, seconds (clock, processor), peak MB, "raw read",
# seconds (clock, processor), "x_raw", ratios (clock, processor), bridge.
set -euo pipefail
driver=$(realpath "$1")
work=$2
runs=${3:-3}
shift $(( $# < 3 ? $# : 3 ))
whats=("$@")
[ ${#whats[@]} -eq 0 ] && whats=(list grid search export)

mkdir -p "$work/1" "$work/100000"
measure() {
  for what in "${whats[@]}"; do
    for records in 1 100000; do
      for _ in $(seq "$runs"); do
        "$driver" "$work/$records" "$records" "$what" 2>/dev/null
      done
    done
  done
}

# The median ratios (clock, processor) at 100,000 records, per screen and
# bridge, from the lines above.
summary() {
  awk -F'\t' '$2 == 100000 && $9 == "x_raw" {
      key = $1 " " $12; n[key]++; wall[key, n[key]] = $10; cpu[key, n[key]] = $11 }
    function median(a, key, count,   i, j, t, v) {
      for (i = 1; i <= count; i++) v[i] = a[key, i]
      for (i = 1; i <= count; i++) for (j = i + 1; j <= count; j++)
        if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
      return count % 2 ? v[(count + 1) / 2] : (v[count / 2] + v[count / 2 + 1]) / 2 }
    END { for (key in n) printf "# median x_raw %s: %.2f (processor %.2f) of %d\n",
                                key, median(wall, key, n[key]), median(cpu, key, n[key]), n[key] }'
}

out=$(mktemp)
trap 'rm -f "$out"' EXIT
if [ -z "${BRIDGE_ONLY:-}" ]; then
  echo "# accessibility bridge off"
  measure | tee -a "$out"
fi
echo "# accessibility bridge on"
export -f measure
export driver work runs
export listener_script="$(dirname "$(realpath "$0")")/at-listener.py"
export whats_list="${whats[*]}"
dbus-run-session -- bash -c '
  read -ra whats <<< "$whats_list"
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  launcher=$!
  sleep 1
  listener=
  # The system Python, which python3-pyatspi serves.
  if /usr/bin/python3 -c "import pyatspi" 2>/dev/null; then
    /usr/bin/python3 "$listener_script" >/dev/null 2>&1 &
    listener=$!
    sleep 1
    echo "# a stand-in screen reader is listening"
  fi
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 measure
  [ -n "$listener" ] && kill $listener
  kill $launcher' 2>/dev/null | tee -a "$out"
summary < "$out"
