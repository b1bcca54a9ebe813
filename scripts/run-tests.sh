#!/bin/sh
# Builds the project and runs every test. Installs what is missing first.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
export ZBL_PACKAGES="build-essential cmake ninja-build qt6-base-dev libgtest-dev"
. "$ROOT/scripts/setup.sh"
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j"$(nproc)"
