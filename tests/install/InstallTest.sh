#!/usr/bin/env bash
# Checks of the installed Quelvox, on a staged install (DESTDIR) of the build.
# Usage: InstallTest.sh stage|validate|manpages|launch|lintian STAGE BUILD_DIR [TOOL...]
set -euo pipefail

mode=$1 stage=$2 build=$3
shift 3
usr=$stage/usr
app_id=de.quelvox.Quelvox
fail() { echo "FAIL: $*" >&2; exit 1; }

# Every file of the package, and nothing else.
expected_files() {
    cat <<LIST
bin/quelvox
bin/quelvox-cli
bin/quelvox-receiver-sim
share/applications/$app_id.desktop
share/metainfo/$app_id.metainfo.xml
share/icons/hicolor/scalable/apps/quelvox.svg
LIST
    for size in 16 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/quelvox.png"
    done
    cat <<LIST
share/quelvox/help/README
share/doc/quelvox/README.md
share/doc/quelvox/copyright
share/doc/quelvox/changelog.gz
share/man/man1/quelvox.1.gz
share/man/man1/quelvox-cli.1.gz
share/man/man1/quelvox-receiver-sim.1.gz
LIST
}

png_size() { # width and height from the IHDR chunk
    od -An -tu1 -j16 -N8 "$1" |
        awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

case $mode in
stage)
    rm -rf "$stage"
    DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
    diff <(expected_files | sort) <(cd "$usr" && find . -type f | sed 's|^\./||' | sort) ||
        fail "the installed files differ from the list (< expected, > installed)"
    for program in quelvox quelvox-cli quelvox-receiver-sim; do
        [ -x "$usr/bin/$program" ] || fail "bin/$program is not executable"
    done
    for size in 16 32 48 64 128 256; do
        got=$(png_size "$usr/share/icons/hicolor/${size}x${size}/apps/quelvox.png")
        [ "$got" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
    done
    for page in "$usr"/share/man/man1/*.gz; do
        gzip -t "$page" || fail "$page is no gzip file"
    done
    "$usr/bin/quelvox-receiver-sim" --help | grep -q -- --store || fail "quelvox-receiver-sim --help"
    ;;
validate)
    desktop_validate=$1 appstream=$2
    "$desktop_validate" "$usr/share/applications/$app_id.desktop"
    "$appstream" validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml"
    ;;
manpages)
    # man finds the pages in the usual layout, and groff renders them without a warning.
    for page in quelvox quelvox-cli quelvox-receiver-sim; do
        found=$(MANPATH=$usr/share/man man -w "$page")
        [ "$found" = "$usr/share/man/man1/$page.1.gz" ] || fail "man -w $page gives '$found'"
        warnings=$(zcat "$found" | groff -man -Tutf8 -ww -z 2>&1)
        [ -z "$warnings" ] || fail "$page(1): $warnings"
    done
    # quelvox-cli --help and its manual page name the same commands, in order.
    help_commands=$("$usr/bin/quelvox-cli" --help |
        awk '/^Commands:/ { inside = 1; next } /^$/ { inside = 0 } inside && /^  [a-z]/ { print $1 }')
    man_commands=$(zcat "$usr/share/man/man1/quelvox-cli.1.gz" |
        awk '/^\.SH / { section = $2 } section == "COMMANDS" && after_tp { print $2 }
             { after_tp = ($0 == ".TP") }')
    [ -n "$help_commands" ] || fail "no command in quelvox-cli --help"
    diff <(echo "$help_commands") <(echo "$man_commands") ||
        fail "quelvox-cli --help (<) and quelvox-cli(1) (>) list different commands"
    ;;
launch)
    # The menu entry's command, as a desktop runs it, with a scratch home.
    exec_line=$(sed -n 's/^Exec=//p' "$usr/share/applications/$app_id.desktop")
    # Without $, `, \ or field codes the entry's quoting is the shell's.
    case $exec_line in *[\$\`\\%]*) fail "Exec needs a real unquoting: $exec_line" ;; esac
    eval "set -- $exec_line"
    scratch=$(mktemp -d)
    trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
    mkdir "$scratch/home"
    HOME=$scratch/home PATH=$usr/bin:$PATH "$@" >"$scratch/out" 2>&1 &
    pid=$!
    folder=$(readlink -f "$scratch")/home/Quelvox
    program=$(readlink -f "$usr/bin/quelvox")
    for _ in $(seq 300); do
        if [ "$(readlink "/proc/$pid/exe" || true)" = "$program" ] &&
            [ "$(readlink "/proc/$pid/cwd" || true)" = "$folder" ]; then
            break
        fi
        kill -0 "$pid" 2>/dev/null || { cat "$scratch/out"; fail "the program ended at once"; }
        sleep 0.1
    done
    [ -d "$folder" ] || fail "$folder was not created"
    [ "$(readlink "/proc/$pid/cwd")" = "$folder" ] || fail "the program does not run in $folder"
    sleep 1 # it keeps running (it waits with its message about the missing settings)
    kill -0 "$pid" 2>/dev/null || { cat "$scratch/out"; fail "the program ended"; }
    ;;
lintian)
    # The Debian package of this build passes lintian: no error, no warning.
    cpack=$1 lintian=$2
    packages=$stage-package
    rm -rf "$packages"
    (cd "$build" && "$cpack" -G DEB -B "$packages" >/dev/null)
    "$lintian" --fail-on error,warning "$packages"/quelvox_*.deb ||
        fail "lintian reports errors or warnings on the package"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "ok: $mode"
