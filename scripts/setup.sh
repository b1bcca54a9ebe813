#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build needs on Debian 12 (when missing) and configures and
# builds the project into build/ with the "default" preset. Sourced by
# run-app.sh and run-tests.sh.
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=$ROOT/build

need=""
for pkg in $ZBL_PACKAGES; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || need="$need $pkg"
done
if [ -n "$need" ]; then
  echo "Installing:$need"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $need
fi

# Presets are read from the working directory; the caller's stays as it was.
(cd "$ROOT" && cmake --preset default ${ZBL_CMAKE_ARGS:-} && cmake --build --preset default)
