#!/usr/bin/env bash
# What the game costs while nobody plays: CPU time and wake-ups of each of
# its threads over ten quiet seconds, once after start-up and once after a
# game was started with no move made; the bare Qt window of the same size
# (bench/bare_window.cpp) for comparison. Per thread, the run time comes from
# /proc/PID/task/TID/schedstat (ns) and the wake-ups are its voluntary and
# involuntary context switches; the name is the thread's comm.
#
#   bench/measure_idle.sh [BUILD_DIR] [SECONDS]    (defaults: build, 10)
set -uo pipefail
# shellcheck source=bench/measure_common.sh
source "$(dirname "$0")/measure_common.sh"
quiet_seconds=${2:-10}

# One line per thread: "tid runtime_ns switches name".
thread_stats() {
  local task tid runtime switches
  for task in /proc/"$1"/task/*; do
    tid=${task##*/}
    read -r runtime _ <"$task/schedstat" || continue
    switches=$(awk '/^(non)?voluntary_ctxt_switches/ { s += $2 } END { print s }' "$task/status")
    echo "$tid $runtime $switches $(<"$task/comm")"
  done
}

# The change per thread between two thread_stats files, then the total;
# sets quiet_cpu_ms, main_wakeups and quiet_report. A thread that ended in
# between is named, though its last run time is lost with it.
compare_stats() {
  quiet_report=$(awk -v main="$3" '
    function label(  i, l) { l = $4; for (i = 5; i <= NF; i++) l = l " " $i; return l }
    NR == FNR { run[$1] = $2; sw[$1] = $3; name[$1] = label(); next }
    {
      d_run = $2 - run[$1]; total += d_run; seen[$1] = 1
      printf "  thread %-7s %-18s %8.3f ms CPU %5d wake-ups%s\n",
        $1, label(), d_run / 1e6, $3 - sw[$1], ($1 == main ? "  (main)" : "")
    }
    END {
      for (tid in run)
        if (!(tid in seen)) printf "  thread %-7s %-18s ended meanwhile\n", tid, name[tid]
      printf "  all threads %31.3f ms CPU\n", total / 1e6
    }' "$1" "$2")
  quiet_cpu_ms=$(awk '/all threads/ { print $3 }' <<<"$quiet_report")
  main_wakeups=$(awk '/\(main\)/ { print $(NF - 2) }' <<<"$quiet_report")
}

# Watches the process for the quiet seconds after a short settling pause
# (the start-up sound has ended by then).
watch_quiet() {
  sleep 2
  thread_stats "$1" >"$workdir/before"
  sleep "$quiet_seconds"
  thread_stats "$1" >"$workdir/after"
  compare_stats "$workdir/before" "$workdir/after" "$1"
}

# The table rows of one quiet phase; its threads are kept for after the table.
report_phase() {
  row "$1: CPU in ${quiet_seconds} s (ms)" "$quiet_cpu_ms" "< 10" "$(holds "$quiet_cpu_ms" "<" 10)"
  row "$1: main thread wake-ups" "$main_wakeups" "0" "$((main_wakeups == 0))"
  details+="$1:"$'\n'"$quiet_report"$'\n'
}

start_xvfb
details=""
echo "idle for $quiet_seconds s"
table_header

start_kept bare
watch_quiet "$kept_pid"
report_phase "bare window"
stop_process "$kept_pid"

start_kept game
watch_quiet "$kept_pid"
report_phase "game after start-up"

window=$kept_window
timeout 5 xdotool windowfocus --sync "$window" key --clearmodifiers alt+l
sleep 0.5
tiles=$(occupied_fields "$window" | wc -l)
((tiles == 3)) || echo "note: $tiles tiles on the board after Alt+L, expected 3"
watch_quiet "$kept_pid"
report_phase "game started, no move"

echo "per thread:"
echo -n "$details"
load_note
