#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the project and runs every test: the ordinary build, the same tests
# built with AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded
# run of the loader's fuzz target. Installs what is missing first: the build
# tools and libraries, clang for the fuzzer, the Tahoma font the windows are
# drawn in, the validators of the desktop files, the gettext library and
# tools that catalogue maps are read, written and checked with, and Hunspell
# and ICU, which the checks of a translation spell and read letters with,
# libxml2, which TMX and XLIFF maps are read and written with,
# translate-toolkit, whose converters check that those maps are what other
# tools make and read, Qt's translation tools (lupdate, lrelease and their
# CMake functions) with Qt's own translations, which the windows speak other
# languages with, and the Debian packaging tools and lintian, which the
# package is built and checked with.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
export ZBL_PACKAGES="build-essential cmake ninja-build qt6-base-dev libgtest-dev fonts-wine \
clang libclang-rt-14-dev appstream desktop-file-utils groff-base shared-mime-info \
libgettextpo-dev gettext libhunspell-dev libicu-dev libxml2-dev translate-toolkit \
qt6-tools-dev qt6-l10n-tools qt6-translations-l10n dpkg-dev debhelper lintian"
. "$ROOT/scripts/setup.sh"
cd "$ROOT"
JOBS=$(nproc)
ctest --preset default -j"$JOBS"

# Sanitizer build: the first fault ends the test that hit it. Leak checking
# stays on for every test, the widget tests included.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan -j"$JOBS"

# Fuzzing smoke run: about a minute (ZBL_FUZZ_SECONDS) over the seed corpus
# and what grows from it; any crash, sanitizer report or broken property fails
# the script.
cmake --workflow --preset fuzz

# Reached only when every stage passed (set -e): one closing count of both
# test runs, after the fuzzer's statistics.
ORDINARY=$(ctest --preset default -N | sed -n 's/^Total Tests: //p')
SANITIZED=$(ctest --preset asan -N | sed -n 's/^Total Tests: //p')
echo "All tests passed: ordinary build ($ORDINARY), sanitizer build ($SANITIZED) and the fuzzing smoke run."
echo "tests: $((ORDINARY + SANITIZED)) passed, 0 failed"
