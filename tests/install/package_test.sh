#!/usr/bin/env bash
# Builds the Debian package as the README says and checks it as a Debian maintainer would: cpack
# refuses a placeholder maintainer; lintian --pedantic finds no error and no warning, and every
# note it still gives is explained in the README; the package, its changelog and --version name
# one release; the site's battery sizes are a conffile.
#   package_test.sh BUILD_FOLDER SOURCE_FOLDER BUILD_TYPE   (exit status 77: skipped, see below)
set -euo pipefail
build=$1
source=$2
case ${3:-} in
    Release | RelWithDebInfo | MinSizeRel) ;;
    *) echo "SKIP: a ${3:-default} build is not hardened; packages are made from release builds"; exit 77 ;;
esac
for tool in lintian cpack dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/test.sh installs it)"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
package() {
    (cd "$build" && cpack -G DEB -B "$1" -D CPACK_DEBIAN_PACKAGE_MAINTAINER="$2")
}

package "$tmp/refused" "Standwise developers <standwise@example.org>" >"$tmp/refused.log" 2>&1 &&
    fail "cpack packaged with a placeholder maintainer"
grep -q "placeholder" "$tmp/refused.log" || fail "the refusal does not say why: $(cat "$tmp/refused.log")"
! ls "$tmp"/refused/*.deb >/dev/null 2>&1 || fail "a package was left behind for a placeholder maintainer"

maintainer="Standwise package test <package-test@standwise-packaging.co.uk>"
package "$tmp/deb" "$maintainer" >"$tmp/cpack.log" 2>&1 || fail "cpack failed: $(cat "$tmp/cpack.log")"
deb=$(ls "$tmp"/deb/standwise_*.deb)
field() { dpkg-deb -f "$deb" "$1"; }

release=$("$build/standwise" --version | head -n 1)
[ "$release" = "Standwise $(field Version | sed 's/-[^-]*$//')" ] ||
    fail "--version says '$release', the package $(field Version)"
[ "$(field Maintainer)" = "$maintainer" ] || fail "the package names $(field Maintainer) as its maintainer"
dpkg-deb -x "$deb" "$tmp/root"
dpkg-deb -e "$deb" "$tmp/control"
gzip -dc "$tmp/root/usr/share/doc/standwise/changelog.Debian.gz" >"$tmp/changelog"
head -n 1 "$tmp/changelog" | grep -qF "standwise ($(field Version))" || fail "the changelog names another version"
grep -qF -- "-- $maintainer  " "$tmp/changelog" || fail "the changelog is not signed by the maintainer"
[ "$(cat "$tmp/control/conffiles")" = /etc/standwise/batteries.txt ] || fail "the site's battery sizes are no conffile"
cmp -s "$source/batteries.txt" "$tmp/root/etc/standwise/batteries.txt" || fail "/etc/standwise/batteries.txt differs"

lintian --fail-on error,warning --pedantic --display-info "$deb" >"$tmp/lintian.log" 2>"$tmp/lintian.err" ||
    fail "lintian: $(cat "$tmp/lintian.log" "$tmp/lintian.err")"
cat "$tmp/lintian.log"
tags=$(sed -n 's/^\([A-Z]\): standwise[^:]*: \([^ ]*\).*/\1 \2/p' "$tmp/lintian.log" | sort -u)
while read -r level tag; do
    [ -n "$tag" ] || continue
    grep -qF "\`$tag\`" "$source/README.md" || fail "lintian's $level: $tag is not explained in the README"
done <<<"$tags"
echo "Debian package: passed"
