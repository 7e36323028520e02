#!/usr/bin/env bash
# Installs the built program into a temporary prefix, checks the layout, makes the prefix read-only
# and writes a report with the installed program: it must read its device library from
# share/standwise, make its folders below the user's application data folder and nowhere in the
# prefix, and write the same report as the program in the build folder.
#   install_test.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=$1
source=$2
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A blank in the prefix, as in a home folder's name, must not break the menu entry.
prefix="$tmp/a prefix"
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || fail "cmake --install: $(cat "$tmp/install.log")"

icons=share/icons/hicolor
expected=(bin/standwise share/standwise/readme.txt share/standwise/batteries.txt share/applications/standwise.desktop
    "$icons/scalable/apps/standwise.svg")
for size in 16 32 48 64 128 256; do expected+=("$icons/${size}x$size/apps/standwise.png"); done
for device in "$source"/devices/*; do expected+=("share/standwise/devices/$(basename "$device")"); done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) ||
    fail "installed files differ from the expected ones (< expected, > installed)"
[ -x "$prefix/bin/standwise" ] || fail "bin/standwise is not executable"
diff -r "$source/devices" "$prefix/share/standwise/devices" >/dev/null || fail "the device library differs"
cmp -s "$source/readme.txt" "$prefix/share/standwise/readme.txt" || fail "readme.txt differs"
cmp -s "$source/batteries.txt" "$prefix/share/standwise/batteries.txt" || fail "batteries.txt differs"
desktop=$prefix/share/applications/standwise.desktop
grep -qxF "Exec=\"$prefix/bin/standwise\" %f" "$desktop" || fail "the menu entry does not start $prefix/bin/standwise"
grep -qx "Icon=standwise" "$desktop" || fail "the menu entry names another icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the menu entry"
fi

chmod -R a-w "$prefix"
listing() { (cd "$prefix" && find . | sort); }
before=$(listing)
config=$source/tests/fuzz/corpus/system_config/rich.cfg
mkdir "$tmp/home" "$tmp/out"
# No display, and a home of the test's own.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" \
        XDG_CONFIG_HOME="$tmp/config" "$@"
}
run "$prefix/bin/standwise" --report full -o "$tmp/out/installed.txt" "$config" 2>"$tmp/installed.err" ||
    fail "the installed program failed: $(cat "$tmp/installed.err")"
run "$build/standwise" --report full -o "$tmp/out/built.txt" "$config" 2>"$tmp/built.err" ||
    fail "the built program failed: $(cat "$tmp/built.err")"

data=$tmp/data/Ostrel/Standwise
for folder in configurations full_reports short_reports interface_reports; do
    [ -d "$data/$folder" ] || fail "$folder was not made below $data"
done
[ "$(listing)" = "$before" ] || fail "the program wrote in its prefix: $(diff <(echo "$before") <(listing))"
# The reports agree but for their time stamp (line 4); so do the messages.
[ -s "$tmp/out/installed.txt" ] || fail "no report written"
diff <(sed 4d "$tmp/out/built.txt") <(sed 4d "$tmp/out/installed.txt") || fail "the reports differ"
diff "$tmp/built.err" "$tmp/installed.err" || fail "the messages differ"
echo "installed layout and report: passed"
