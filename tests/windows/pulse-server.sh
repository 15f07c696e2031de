# A private PulseAudio server for one test, stopped by its process id. Sourced by the test:
#   pulse_start <folder>            starts it with its socket <folder>/native and waits until it
#                                   answers; exports PULSE_SERVER, and HOME and XDG_RUNTIME_DIR
#                                   as <folder>, so that no client writes outside it
#   pulse_add_sink <name> <description>, pulse_add_source <name> <description>
#                                   a null sink (with its "Monitor of" source) or a null source;
#                                   prints the module's index (descriptions hold no quotes)
#   pulse_unload <index>            unloads that module: its devices go away
#   pulse_stop                      stops the server (from the caller's EXIT trap)
# The server reads no configuration (-n) but the native protocol without authentication, never
# exits on its own, asks for no real-time scheduling and no session bus, and stays in the
# caller's process group, so what ends the test's group ends it too.
# shellcheck shell=sh

pulse_pid=

# True while the server runs (an ended child that is not yet waited for does not run).
pulse_running() {
  [ -r "/proc/$pulse_pid/stat" ] &&
    [ "$(sed 's/.*) //' "/proc/$pulse_pid/stat" 2>/dev/null | cut -d' ' -f1)" != Z ]
}

pulse_start() {
  mkdir -p "$1" && chmod 700 "$1" || return 1
  PULSE_SERVER=unix:$1/native
  HOME=$1
  XDG_RUNTIME_DIR=$1
  export PULSE_SERVER HOME XDG_RUNTIME_DIR
  # Without a bus address it would start a session bus on the test's X display.
  env -u DISPLAY DBUS_SESSION_BUS_ADDRESS="unix:path=$1/no-bus" pulseaudio -n --daemonize=no \
    --exit-idle-time=-1 --use-pid-file=no --system=no --high-priority=no --realtime=no \
    --no-cpu-limit --log-target="newfile:$1/log" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$1/native" </dev/null >/dev/null 2>&1 &
  pulse_pid=$!
  pulse_tries=0
  until pactl info >/dev/null 2>&1; do
    pulse_tries=$((pulse_tries + 1))
    if [ $pulse_tries -gt 300 ] || ! pulse_running; then
      echo "pulse-server: the server did not answer on $PULSE_SERVER:" >&2
      cat "$1/log" >&2
      pulse_stop
      return 1
    fi
    sleep 0.1
  done
}

pulse_add_sink() {
  pactl load-module module-null-sink sink_name="$1" "sink_properties=\"device.description='$2'\""
}

pulse_add_source() {
  pactl load-module module-null-source source_name="$1" "description='$2'"
}

pulse_unload() {
  pactl unload-module "$1"
}

pulse_stop() {
  [ -n "$pulse_pid" ] || return 0
  kill -TERM "$pulse_pid" 2>/dev/null
  pulse_tries=0
  while pulse_running && [ $pulse_tries -lt 50 ]; do
    pulse_tries=$((pulse_tries + 1))
    sleep 0.1
  done
  kill -KILL "$pulse_pid" 2>/dev/null
  wait "$pulse_pid" 2>/dev/null
  pulse_pid=
}
