#!/usr/bin/env bash
# Installs the built program into a temporary prefix and asks the desktop's own tool, xdg-mime,
# what a system configuration, an interface configuration and another program's .cfg file are:
# the first two are Standwise configurations, opened by Standwise's menu entry; the third is not.
#   mime_test.sh BUILD_FOLDER SOURCE_FOLDER      (exit status 77: skipped, the tools are missing)
set -euo pipefail
build=$1
source=$2
for tool in xdg-mime update-mime-database update-desktop-database; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/test.sh installs it)"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$tmp/prefix
# Only the prefix's database is asked, so a Standwise installed on the machine cannot answer for it.
query() {
    env XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$prefix/share" "$@"
}
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || fail "cmake --install: $(cat "$tmp/install.log")"
query update-mime-database "$prefix/share/mime" || fail "update-mime-database refuses share/mime"
query update-desktop-database "$prefix/share/applications" || fail "update-desktop-database refuses share/applications"

mkdir "$tmp/files"
cp "$source/tests/fuzz/corpus/system_config/legacy_r500.cfg" "$tmp/files/harbour.cfg"
cp "$source/tests/fuzz/corpus/interface_config/mixed.cfg" "$tmp/files/gatehouse.cfg"
printf '[Display]\nmode=1\n' >"$tmp/files/other.cfg"
ours=application/x-standwise-configuration

# Without a desktop xdg-mime asks mimetype (libfile-mimeinfo-perl); on GNOME, gio. Both read the
# shared MIME database; xdg-mime's last resort, file(1), does not, so it cannot serve here.
checked=0
for desktop in generic GNOME; do
    if [ $desktop = generic ]; then
        command -v mimetype >/dev/null || continue
        how=(env -u XDG_CURRENT_DESKTOP -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID DESKTOP_SESSION=)
    else
        command -v gio >/dev/null || continue
        how=(env XDG_CURRENT_DESKTOP=GNOME)
    fi
    for case in harbour.cfg:$ours gatehouse.cfg:$ours other.cfg:text/plain; do
        file=${case%%:*}
        type=$(query "${how[@]}" xdg-mime query filetype "$tmp/files/$file")
        echo "$desktop: $file: $type"
        [ "$type" = "${case#*:}" ] || fail "$desktop: $file is $type, not ${case#*:}"
    done
    checked=$((checked + 1))
done
[ $checked -gt 0 ] || { echo "SKIP: neither mimetype nor gio is installed for xdg-mime to ask"; exit 77; }

application=$(query env -u XDG_CURRENT_DESKTOP xdg-mime query default $ours)
[ "$application" = standwise.desktop ] || fail "configurations open with '$application', not standwise.desktop"
grep -q "^$ours=.*standwise.desktop" "$prefix/share/applications/mimeinfo.cache" ||
    fail "the desktop database does not offer Standwise for $ours"
echo "configuration file type: passed"
