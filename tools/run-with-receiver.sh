#!/usr/bin/env bash
# Starts the stand-in receiver on a pseudo-terminal, then Quelvox with that
# pseudo-terminal among its serial ports; stops the receiver when Quelvox ends.
# Usage: tools/run-with-receiver.sh BUILD_DIR [receiver-sim options...]
set -euo pipefail

build_dir=${1:?usage: $0 BUILD_DIR [receiver-sim options...]}
shift
sim="$build_dir/tools/receiver-sim/receiver-sim"
app="$build_dir/app/quelvox"
for f in "$sim" "$app"; do
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
echo "In Quelvox choose the COM port whose tooltip shows $device (it is listed after the real ports)."
export QUELVOX_EXTRA_PORTS="$device${QUELVOX_EXTRA_PORTS:+:$QUELVOX_EXTRA_PORTS}"
"$app"
