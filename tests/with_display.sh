#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as the only client of a private, headless display server, and stops the server
# afterwards: Weston, natively on Wayland, or with --x11 Xvfb. With --pulse, a private PulseAudio
# as well, its only output the null sink "rakamlik", named to the command in PULSE_SERVER:
#   tests/with_display.sh [--x11] [--pulse] command [arguments...]
set -eu

runtime=$(mktemp -d)
chmod 700 "$runtime"
daemons=
trap 'kill $daemons 2>/dev/null || true; wait $daemons 2>/dev/null || true; rm -rf "$runtime"' EXIT

# Starts a daemon in the private runtime and home, and waits until `ready` succeeds.
start() { # name ready command [arguments...]
    name=$1 ready=$2
    shift 2
    XDG_RUNTIME_DIR=$runtime HOME=$runtime "$@" >"$runtime/$name.log" 2>&1 &
    daemons="$daemons $!"
    for _ in $(seq 100); do
        eval "$ready" >/dev/null 2>&1 && return
        kill -0 "$!" 2>/dev/null || break
        sleep 0.1
    done
    echo "$name did not start:" >&2
    cat "$runtime/$name.log" >&2
    exit 1
}

if [ "$1" = --x11 ]; then
    shift
    # Xvfb picks a free display and writes its number once it takes clients.
    start xvfb '[ -s "$runtime/display" ]' \
        sh -c 'exec Xvfb -displayfd 3 -nolisten tcp -screen 0 800x600x24 3>"$0/display"' "$runtime"
    DISPLAY=":$(cat "$runtime/display")"
    export DISPLAY QT_QPA_PLATFORM=xcb
else
    start weston '[ -S "$runtime/rakamlik-test" ]' \
        weston --backend=headless-backend.so --socket=rakamlik-test --idle-time=0
    export WAYLAND_DISPLAY=rakamlik-test QT_QPA_PLATFORM=wayland
fi
if [ "$1" = --pulse ]; then
    shift
    export PULSE_SERVER="unix:$runtime/pulse/native"
    start pulseaudio 'timeout 5 pactl set-default-sink rakamlik' \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        --load="module-null-sink sink_name=rakamlik" --load=module-native-protocol-unix
fi
XDG_RUNTIME_DIR=$runtime "$@"
