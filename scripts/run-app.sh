#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the project and starts the window program. Installs what is missing
# first (Qt 6, the build tools, a Tahoma font for the windows, and Qt's
# translation tools and translations for the windows' other languages).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
export ZBL_PACKAGES="build-essential cmake ninja-build qt6-base-dev libgtest-dev fonts-wine \
libgettextpo-dev libhunspell-dev libicu-dev libxml2-dev \
qt6-tools-dev qt6-l10n-tools qt6-translations-l10n"
. "$ROOT/scripts/setup.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set): the window" >&2
  echo "program needs a desktop session, or try: xvfb-run -a sh scripts/run-app.sh" >&2
fi
exec "$BUILD_DIR/app/zbl-translator" "$@"
