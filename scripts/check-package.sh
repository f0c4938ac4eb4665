#!/usr/bin/env bash
# Builds the Debian package from the optimised build in build/, lists its
# contents, checks its declared dependencies and metadata, and runs the
# packaged pivora-solve from an unpacked copy. Fails on anything missing.
set -euo pipefail
cd "$(dirname "$0")/.."

rm -f build/pivora_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/pivora_*.deb)

fail() { echo "package: $*" >&2; exit 1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/pivora ./usr/bin/pivora-solve ./usr/bin/pivora-bench \
    ./usr/share/applications/pivora.desktop ./usr/share/icons/hicolor/32x32/apps/pivora.png \
    ./usr/share/metainfo/de.pivora.Pivora.metainfo.xml \
    ./usr/share/man/man1/pivora.1 ./usr/share/man/man1/pivora-solve.1 \
    ./usr/share/man/man1/pivora-bench.1; do
  grep -qxF "$file" <<<"$contents" || fail "$deb lacks $file"
done

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libgmp10 qt6-qpa-plugins fonts-liberation; do
  grep -q "\b$package\b" <<<"$depends" || fail "$deb does not depend on $package: $depends"
done
# Every declared dependency must be one apt can satisfy here.
apt-get install --simulate "./$deb" >/dev/null 2>&1 || fail "apt cannot install $deb"

appstreamcli validate --no-net ui/window/pivora.metainfo.xml >/dev/null ||
  fail "the AppStream metadata does not validate"


unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
report=$("$unpacked/usr/bin/pivora-solve" --no-details examples/worked-example.txt)
expected=$'L\u00d6SUNG:\n\nOptimum: Zmax = 12\n\nZF:   x1 = 4   x2 = 0'
[ "$report" = "$expected" ] || fail "the packaged pivora-solve printed: $report"
for page in pivora pivora-solve pivora-bench; do
  man -l "$unpacked/usr/share/man/man1/$page.1" >/dev/null 2>&1 ||
    fail "the manual page of $page does not format"
done

echo "package: $(basename "$deb"): $(wc -l <<<"$contents") entries, depends on $depends"
