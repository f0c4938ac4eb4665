#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the window need.
# Idempotent and quiet: does nothing when every package is present.
set -euo pipefail

PACKAGES=(
  # toolchain and build
  g++ cmake make
  # core tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # exact rational re-solve
  libgmp-dev
  # fuzzing (libFuzzer ships with clang's runtime)
  clang libclang-rt-14-dev
  # the window, its widget tests and its fonts
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fonts-liberation
  # an independent LP oracle for the tests
  glpk-utils
  # a comma locale for the locale-independence test
  locales
  # screenshots of the real window
  xvfb xauth x11-apps imagemagick
)

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
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen 2>/dev/null || true
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null 2>&1 || true
  fi
fi
