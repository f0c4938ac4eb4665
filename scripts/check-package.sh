#!/usr/bin/env bash
# Builds the Debian package from the optimised build in build/, lists its
# contents, checks its declared dependencies and metadata, runs the packaged
# pivora-solve from an unpacked copy (the report, and --plot through the
# packaged plot module) and formats the manual pages without a warning.
# Fails on anything missing.
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
grep -qE '^\./usr/lib/(.*/)?pivora/pivora-solve-plot\.so$' <<<"$contents" ||
  fail "$deb lacks the plot module pivora/pivora-solve-plot.so"

depends=$(dpkg-deb -f "$deb" Depends)
# pivora-solve and pivora-bench load FLINT and GLPK only when they need
# them, so their links do not name them: the window's links must bring both
# into the package's dependencies.
for package in libqt6widgets6 libqt6svg6 libgmp10 libflint17 libglpk40 qt6-qpa-plugins \
    qt6-translations-l10n fonts-liberation; do
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
# --plot loads the plot module of the unpacked copy, not one from the build.
plot="$unpacked/x.svg"
"$unpacked/usr/bin/pivora-solve" --no-details --plot "$plot" examples/worked-example.txt \
  >/dev/null || fail "the packaged pivora-solve --plot failed"
[ -s "$plot" ] && grep -q '<svg' "$plot" || fail "the packaged pivora-solve --plot wrote no SVG"
for page in pivora pivora-solve pivora-bench; do
  file="$unpacked/usr/share/man/man1/$page.1"
  man -l "$file" >/dev/null 2>&1 || fail "the manual page of $page does not format"
  warnings=$(groff -man -Tutf8 -ww -z "$file" 2>&1)
  [ -z "$warnings" ] || fail "the manual page of $page formats with warnings: $warnings"
done

echo "package: $(basename "$deb"): $(wc -l <<<"$contents") entries, depends on $depends"
