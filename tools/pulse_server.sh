#!/usr/bin/env bash
# A private PulseAudio sound server with one null sink, for the tests that
# listen to what the game plays. Meant to be sourced:
#
#   source tools/pulse_server.sh
#   pulse_start FOLDER   starts a server whose socket is FOLDER/native, sets
#                        pulse_pid and exports PULSE_SERVER=unix:FOLDER/native
#   pulse_stop           stops the server started last, by its process id
#
# The sink is called breliko_null; what is played into it can be recorded
# from breliko_null.monitor. The server keeps its home, runtime and config
# folders inside FOLDER, so it neither sees nor disturbs a desktop's sound
# server, and it runs as root as well as as a normal user (as root it only
# warns that it was not meant to).

pulse_pid=""
readonly pulse_sink=breliko_null

pulse_start() {
  local folder=$1
  mkdir -p "$folder"
  mkdir -p "$folder/home" "$folder/runtime"
  chmod 700 "$folder/home" "$folder/runtime"
  rm -f "$folder/native"
  HOME="$folder/home" XDG_RUNTIME_DIR="$folder/runtime" XDG_CONFIG_HOME="$folder/home/.config" \
    XDG_STATE_HOME="$folder/home/.state" DBUS_SESSION_BUS_ADDRESS=disabled: \
    pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    --system=no --high-priority=no --realtime=no --log-target=stderr -n \
    --load="module-null-sink sink_name=$pulse_sink" \
    --load="module-native-protocol-unix socket=$folder/native auth-anonymous=1" \
    >"$folder/pulse.log" 2>&1 &
  pulse_pid=$!
  export PULSE_SERVER="unix:$folder/native"
  local _
  for _ in $(seq 100); do
    if pactl info >/dev/null 2>&1; then
      return 0
    fi
    kill -0 "$pulse_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "the PulseAudio server did not start:" >&2
  cat "$folder/pulse.log" >&2
  pulse_stop
  return 1
}

# Safe under `set -e`, and in an exit trap.
pulse_stop() {
  [[ -n "$pulse_pid" ]] || return 0
  kill "$pulse_pid" 2>/dev/null || true
  local _
  for _ in $(seq 30); do
    kill -0 "$pulse_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$pulse_pid" 2>/dev/null || true
  wait "$pulse_pid" 2>/dev/null || true
  pulse_pid=""
}
