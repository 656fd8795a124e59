#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it with lintian.
#   scripts/package.sh [BUILD_DIR [OUTPUT_DIR]]
# Defaults: build/ and the build folder itself. Ends with status 1 when
# lintian finds errors; warnings are printed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-$build}
scripts/bootstrap.sh dpkg-dev fakeroot lintian >/dev/null
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null 2>&1
deb=$(ls -t "$out"/corvina_*.deb | head -n 1)
echo "$deb"
# lintian warns about running as root; that is not about the package.
report=$(lintian --suppress-tags running-with-root-privileges "$deb" 2>&1 | grep -v '^running with root' || true)
[ -n "$report" ] && echo "$report"
if echo "$report" | grep -q '^E: '; then
  echo "package.sh: lintian found errors" >&2
  exit 1
fi
