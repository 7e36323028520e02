#!/usr/bin/env bash
# Installs the built program into a temporary prefix, checks the layout, makes the prefix read-only
# and writes reports with the installed program: it must read its device library from
# share/standwise, write nowhere in the prefix, make no folder in a fresh home for reports to a
# file or to standard output or for a summary, and write the same report as the program in the
# build folder.
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
    "$icons/scalable/apps/standwise.svg" "$icons/scalable/mimetypes/application-x-standwise-configuration.svg"
    share/mime/packages/standwise.xml share/man/man1/standwise.1.gz share/doc/standwise/copyright)
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
grep -qx "MimeType=application/x-standwise-configuration;" "$desktop" || fail "the menu entry opens no configurations"
cmp -s "$build/standwise.1" <(gzip -dc "$prefix/share/man/man1/standwise.1.gz") || fail "the manual page differs"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the menu entry"
fi

chmod -R a-w "$prefix"
listing() { (cd "$prefix" && find . | sort); }
before=$(listing)
# A configuration that reads whole without a warning, so every run ends with status 0.
config=$source/tests/fuzz/corpus/system_config/legacy_r500.cfg
mkdir "$tmp/home" "$tmp/out"
# No display, and a fresh home of the test's own whose folders the program finds by itself.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME \
        HOME="$tmp/home" "$@"
}
touch "$tmp/home/.profile"
home_before=$(cd "$tmp/home" && find . | sort)
run "$prefix/bin/standwise" --report full -o "$tmp/out/installed.txt" "$config" 2>"$tmp/installed.err" ||
    fail "the installed program failed: $(cat "$tmp/installed.err")"
run "$prefix/bin/standwise" --report full "$config" >"$tmp/out/stdout.txt" 2>/dev/null ||
    fail "the installed program failed to write to standard output"
run "$prefix/bin/standwise" --summary "$config" >/dev/null 2>&1 || fail "the installed program's summary failed"
run "$prefix/bin/standwise" --help >/dev/null || fail "the installed program's help failed"
[ "$(cd "$tmp/home" && find . | sort)" = "$home_before" ] ||
    fail "reports and the summary changed the home: $(diff <(echo "$home_before") <(cd "$tmp/home" && find . | sort))"
run "$build/standwise" --report full -o "$tmp/out/built.txt" "$config" 2>"$tmp/built.err" ||
    fail "the built program failed: $(cat "$tmp/built.err")"

[ "$(listing)" = "$before" ] || fail "the program wrote in its prefix: $(diff <(echo "$before") <(listing))"
# The reports agree but for their time stamp (line 4); so do the messages.
[ -s "$tmp/out/installed.txt" ] || fail "no report written"
diff <(sed 4d "$tmp/out/built.txt") <(sed 4d "$tmp/out/installed.txt") || fail "the reports differ"
cmp -s "$tmp/out/installed.txt" "$tmp/out/stdout.txt" ||
    diff <(sed 4d "$tmp/out/installed.txt") <(sed 4d "$tmp/out/stdout.txt") || fail "the report on standard output differs"
diff "$tmp/built.err" "$tmp/installed.err" || fail "the messages differ"
echo "installed layout and reports: passed"
