#!/usr/bin/env bash
# Gives the demo folder of `make run` a "Quelvox.dat" that selects the stand-in
# receiver's COM port, so that a new user can go online at once.
# Usage: tools/demo-settings.sh DEMO_DIR QUELVOX_CLI DEVICE
# (QUELVOX_EXTRA_PORTS must name DEVICE, as for Quelvox itself)
#
# The file is written when there is none, or when it is still the one written
# here before (the stand-in receiver may have moved to another COM number).
# A "Quelvox.dat" that the user saved is never touched.
set -euo pipefail

demo=${1:?usage: $0 DEMO_DIR QUELVOX_CLI DEVICE} cli=${2:?} device=${3:?}
settings=$demo/Quelvox.dat
written=$demo/.Quelvox.dat.written # the file as this script last wrote it

if [ -e "$settings" ] || [ -L "$settings" ]; then
    if ! [ -f "$written" ] || ! cmp -s "$settings" "$written" || [ "$settings" -nt "$written" ]; then
        exit 0 # saved by the user
    fi
fi

com=$("$cli" ports | awk -F '\t' -v device="$device" \
    '$2 == device { sub(/^COM/, "", $1); print $1; exit }') || true
if [ -z "$com" ]; then
    echo "$0: $device is not among the ports that quelvox-cli ports lists" >&2
    exit 1
fi
if [ "$com" -gt 19 ]; then
    echo "The stand-in receiver is COM$com, beyond the 19 ports of the port menu;" \
        "Quelvox.dat is left as it is." >&2
    exit 0
fi

# 106 bytes: port, baud rate 115200 (32-bit little-endian), language 2
# (German), then the title "Demo" and the comment and footer texts, zero-padded.
mkdir -p "$demo"
new=$(mktemp "$demo/.Quelvox.dat.XXXXXX")
{
    printf "\\$(printf '%03o' "$com")\\000\\302\\001\\000\\002"
    printf 'Demo'
    head -c 96 /dev/zero
} >"$new"
chmod 644 "$new"
cp "$new" "$written"
mv "$new" "$settings"
echo "Wrote $settings: COM$com, the stand-in receiver, is the selected port."
