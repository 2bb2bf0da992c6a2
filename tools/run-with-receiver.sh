#!/usr/bin/env bash
# Starts the stand-in receiver on a pseudo-terminal, then Quelvox with that
# pseudo-terminal among its serial ports, in the demo folder BUILD_DIR/demo
# (its settings, logs and backups stay there); stops the receiver when Quelvox
# ends. The first run selects the stand-in receiver's COM port in the demo
# folder's Quelvox.dat (tools/demo-settings.sh).
# Usage: tools/run-with-receiver.sh BUILD_DIR [receiver-sim options...]
set -euo pipefail

build_dir=${1:?usage: $0 BUILD_DIR [receiver-sim options...]}
shift
build_dir=$(cd "$build_dir" && pwd)
sim="$build_dir/tools/receiver-sim/receiver-sim"
app="$build_dir/app/quelvox"
cli="$build_dir/cli/quelvox-cli"
demo="$build_dir/demo"
for f in "$sim" "$app" "$cli"; do
    if [ ! -x "$f" ]; then
        echo "$0: $f is missing; build first" >&2
        exit 1
    fi
done

fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/out"
"$sim" "$@" >"$fifo_dir/out" &
sim_pid=$!
stop_receiver() {
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
    rm -rf "$fifo_dir"
}
trap stop_receiver EXIT INT TERM

# The first line of its output is the device path; keep reading the rest so
# the receiver never blocks on a full pipe.
exec 3<"$fifo_dir/out"
if ! read -r -t 10 device <&3 || [ -z "$device" ]; then
    echo "$0: the stand-in receiver did not start" >&2
    exit 1
fi
cat <&3 >/dev/null &

echo "Stand-in receiver on $device."
if [ -L "$device" ]; then
    echo "To pull its plug: kill -USR1 $sim_pid (it comes back by itself)."
fi
export QUELVOX_EXTRA_PORTS="$device${QUELVOX_EXTRA_PORTS:+:$QUELVOX_EXTRA_PORTS}"
"$(dirname "$0")/demo-settings.sh" "$demo" "$cli" "$device" || true
"$cli" ports | awk -F '\t' -v device="$device" \
    '$2 == device { print "It is " $1 " in Quelvox (Einstellungen > Port)." }'
echo "Quelvox runs in $demo."
mkdir -p "$demo"
cd "$demo"
"$app"
