#!/usr/bin/env bash
# Looks for what the build, the tests and the program need and installs only
# what is missing, from Debian packages, where apt is there (as root or through
# sudo). Elsewhere it names what to install, and fails only when something the
# build needs is missing.
set -euo pipefail

# One line per package: "need" (the build fails without it) or "want" (a test
# is skipped or an extra is not built without it), the Debian package, and the
# check that finds it already there (any way it was installed).
needs() {
  need g++                   cmd c++
  need cmake                 cmd cmake
  need ninja-build           cmd ninja
  need pkg-config            cmd pkg-config
  need qt6-base-dev          pkgconf Qt6Widgets
  need libgtest-dev          header gtest/gtest.h
  need libgmock-dev          header gmock/gmock.h
  need fonts-ipafont-gothic  font ja
  want libbenchmark-dev      header benchmark/benchmark.h
  want xvfb                  cmd Xvfb
  want xauth                 cmd xauth
  want xdotool               cmd xdotool
  want openbox               cmd openbox
  want x11-utils             cmd xprop
  want python3               cmd python3
  want libx11-dev            header X11/Xlib.h
  need qt6-tools-dev         path '/usr/lib/*/cmake/Qt6LinguistTools/Qt6LinguistToolsConfig.cmake'
  need qt6-l10n-tools        path '/usr/lib/qt6/bin/lrelease'
  want qt6-translations-l10n path '/usr/share/qt6/translations/qtbase_ja.qm'
  want dpkg-dev              cmd dpkg-shlibdeps
  want file                  cmd file
  want locales               path '/usr/share/i18n/charmaps/ANSI_X3.4-1968.gz'
  want clang-format          cmd clang-format
  want clang-tidy            cmd clang-tidy
  want desktop-file-utils    cmd desktop-file-validate
  want appstream             cmd appstreamcli
  want man-db                cmd man
  want libxml2-utils         cmd xmllint
  want shared-mime-info      cmd update-mime-database
}

# The checks.
cmd() { command -v "$1" >/dev/null 2>&1; }
pkgconf() { cmd pkg-config && pkg-config --exists "$1"; }
header() { echo "#include <$1>" | c++ -x c++ -E - >/dev/null 2>&1; }
path() { compgen -G "$1" >/dev/null; }
font() { cmd fc-list && [ -n "$(fc-list ":lang=$1" family 2>/dev/null)" ]; }

missing_needed=()
missing_wanted=()
need() { local p=$1; shift; "$@" || missing_needed+=("$p"); }
want() { local p=$1; shift; "$@" || missing_wanted+=("$p"); }
needs
missing=("${missing_needed[@]}" "${missing_wanted[@]}")
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ] && cmd sudo; then sudo="sudo"; fi
if cmd apt-get && { [ "$(id -u)" -eq 0 ] || [ -n "$sudo" ]; }; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  exit 0
fi

if [ ${#missing_wanted[@]} -gt 0 ]; then
  echo "Optional, for the end-to-end test and the benchmarks (Debian package names): ${missing_wanted[*]}" >&2
fi
if [ ${#missing_needed[@]} -gt 0 ]; then
  echo "Missing, please install (Debian package names): ${missing_needed[*]}" >&2
  exit 1
fi
