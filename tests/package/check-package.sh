#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a clean copy of SOURCE_DIR in WORK_DIR, runs
# lintian on it (an error or a warning fails), unpacks it into a throw-away
# root and checks that it holds every file the install rules install, that
# its version is VERSION and that the programs run from where they landed.
# usage: check-package.sh SOURCE_DIR WORK_DIR VERSION
set -eu
src=$1
work=$2
version=$3

missing=""
for tool in dpkg-buildpackage dh lintian; do
  command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if [ -n "$missing" ]; then
  echo "SKIPPED: not installed:$missing"
  exit 0
fi

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

rm -rf "$work"
mkdir -p "$work/tree"
# The files a clone would have (and the ones not yet committed), without any
# build directory.
if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$src" && git ls-files -z --cached --others --exclude-standard |
    tar -cf - --null --ignore-failed-read -T -) | tar -xf - -C "$work/tree"
else
  tar -C "$src" --exclude='./build*' --exclude='./obj-*' --exclude='./debian/.debhelper' \
    -cf - . | tar -xf - -C "$work/tree"
fi

changelog_version=$(dpkg-parsechangelog -l "$work/tree/debian/changelog" -S Version)
[ "$changelog_version" = "$version" ] ||
  fail "debian/changelog has version $changelog_version, the project $version"

arch=$(dpkg --print-architecture)
(cd "$work/tree" && dpkg-buildpackage -us -uc -b -j"$(nproc)") >"$work/build.log" 2>&1 ||
  { tail -40 "$work/build.log" >&2; fail "dpkg-buildpackage failed (log: $work/build.log)"; }
deb=$work/zbl-translator_${version}_${arch}.deb
changes=$work/zbl-translator_${version}_${arch}.changes
[ -f "$deb" ] || fail "no $deb"
[ -f "$changes" ] || fail "no $changes"

lintian_status=0
lintian --fail-on error,warning "$changes" "$deb" >"$work/lintian.log" 2>&1 || lintian_status=$?
cat "$work/lintian.log"
if [ "$lintian_status" -ne 0 ] || grep -q '^[EW]: ' "$work/lintian.log"; then
  fail "lintian reports errors or warnings"
fi

# What the install rules install, from the package's own build directory.
builddir=$(find "$work/tree" -maxdepth 1 -type d -name 'obj-*' | head -n 1)
[ -n "$builddir" ] || fail "no build directory in $work/tree"
DESTDIR="$work/installed" cmake --install "$builddir" >/dev/null
root=$work/root
dpkg -x "$deb" "$root"
dpkg -c "$deb"

status=0
(cd "$work/installed" && find . -type f -o -type l) | sort >"$work/installed.list"
# dh_compress compresses the manual pages and the larger documents.
while read -r path; do
  if [ ! -e "$root/$path" ] && [ ! -e "$root/$path.gz" ]; then
    echo "installed but not in the package: $path" >&2
    status=1
  fi
done <"$work/installed.list"

for path in usr/bin/zbl usr/bin/zbl-translator \
  usr/share/man/man1/zbl.1.gz usr/share/man/man1/zbl-translator.1.gz \
  usr/share/applications/org.zembrel.ZblTranslator.desktop \
  usr/share/metainfo/org.zembrel.ZblTranslator.metainfo.xml \
  usr/share/icons/hicolor/256x256/apps/org.zembrel.ZblTranslator.png \
  usr/share/icons/hicolor/scalable/apps/org.zembrel.ZblTranslator.svg \
  usr/share/mime/packages/org.zembrel.ZblTranslator.xml \
  usr/share/doc/zbl-translator/copyright usr/share/doc/zbl-translator/changelog.gz; do
  [ -e "$root/$path" ] || { echo "not in the package: $path" >&2; status=1; }
done
# The translations, where the install rules put them beside the program.
if [ -d "$work/installed/usr/share/zbl-translator/translations" ]; then
  [ -n "$(ls -A "$root/usr/share/zbl-translator/translations")" ] ||
    { echo "the package's translations directory is empty" >&2; status=1; }
fi
[ "$status" -eq 0 ] || fail "the package's file list"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case "$depends" in
  *libqt6widgets6*) ;;
  *) fail "Depends lacks the libraries the programs link: $depends" ;;
esac
case "$depends" in
  *-dev*) fail "Depends names a build package: $depends" ;;
esac
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"

out=$("$root/usr/bin/zbl" --version)
[ "$out" = "zbl $version" ] || fail "packaged zbl --version: $out"
out=$("$root/usr/bin/zbl-translator" --version)
[ "$out" = "zbl-translator $version" ] || fail "packaged zbl-translator --version: $out"
echo "package $deb: lintian clean, $(wc -l <"$work/installed.list") installed files all in it"
