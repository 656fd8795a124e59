#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks what it holds.
#   package_checks.sh SOURCE_DIR BUILD_DIR
# Exit 77: skipped (no Debian packaging tools).
set -euo pipefail
source=$1
build=$2
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/corvina-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
report=$("$source/scripts/package.sh" "$build" "$work" 2>&1) || { echo "$report"; exit 1; }
deb=$(ls "$work"/corvina_*.deb)
echo "$report" | grep '^[EW]: ' || true
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in ./usr/bin/corvina ./usr/bin/corvina-cli ./usr/bin/phonesim \
            ./usr/lib/libphonelib.so.0 ./usr/include/corvina/phonelib/api/phonelib.h \
            ./usr/share/corvina/netcode.csv ./usr/share/corvina/german.lng \
            ./usr/share/applications/de.ardentia.Corvina.desktop \
            ./usr/share/metainfo/de.ardentia.Corvina.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/de.ardentia.Corvina.svg \
            ./usr/share/man/man1/corvina-cli.1.gz ./usr/share/man/de/man1/corvina-cli.1.gz \
            ./usr/share/doc/corvina/copyright; do
  grep -qx -- "$file" <<< "$contents" || { echo "FAILED: $file is not in the package"; exit 1; }
done
# Nothing in the package is writable by others than root.
if dpkg-deb --contents "$deb" | awk '{print $1}' | grep -v '^l' | grep -q '^.....w\|^........w'; then
  echo "FAILED: the package holds files writable by group or others"; exit 1
fi
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<< "$depends" || { echo "FAILED: dependencies not taken from the libraries: $depends"; exit 1; }
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
