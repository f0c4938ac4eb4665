#!/usr/bin/env bash
# Installs the Debian packages the project needs. Idempotent and quiet: does
# nothing when every package is present.
#
#   scripts/install-deps.sh            what the build, every test, the
#                                      benchmarks, fuzzing and packaging need
#   scripts/install-deps.sh --program  only what building and running the
#                                      window and the command-line programs need
set -euo pipefail

PROGRAM_PACKAGES=(
  # toolchain and build
  g++ cmake make
  # exact rationals, exact basis solves by p-adic lifting, and the LP and MPS
  # model reader
  libgmp-dev libflint-dev libglpk-dev
  # the window and its fonts
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fonts-liberation
  # the graphical solution's SVG export
  qt6-svg-dev
  # the toolkit's own German texts (dialogs, standard context menus, key names)
  qt6-translations-l10n
)

TEST_PACKAGES=(
  # core tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # fuzzing (libFuzzer ships with clang's runtime)
  clang libclang-rt-14-dev
  # an independent LP oracle for the tests
  glpk-utils
  # a comma locale for the locale-independence test
  locales
  # the report's PDF read back as text, line by line (pdftotext)
  poppler-utils
  # screenshots of the real window
  xvfb xauth x11-apps imagemagick
  # the Debian package (CPack's DEB generator asks `file` about every binary,
  # dpkg-shlibdeps finds the libraries), the check of its metadata and the
  # formatting of its manual pages
  file dpkg-dev appstream man-db
)

case "${1:-}" in
  --program) PACKAGES=("${PROGRAM_PACKAGES[@]}") ;;
  "") PACKAGES=("${PROGRAM_PACKAGES[@]}" "${TEST_PACKAGES[@]}") ;;
  *) echo "usage: $0 [--program]" >&2; exit 2 ;;
esac

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A locale whose decimal separator is a comma, for the test that proves number text ignores it.
if [ "${1:-}" = --program ]; then exit 0; fi
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen 2>/dev/null || true
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null 2>&1 || true
  fi
fi
