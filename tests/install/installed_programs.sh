#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed programs
# with the source and build trees hidden (a private mount namespace with
# empty folders over them), so only what the installation holds is found.
#   installed_programs.sh BUILD_DIR SOURCE_DIR
# Exit 77: skipped (no mount namespace to hide the trees in).
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")
here=$(dirname "$(realpath "$0")")

if ! unshare -m true 2>/dev/null; then
  echo "SKIP: this machine gives no private mount namespace (unshare -m) to hide the build tree in"
  exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/corvina-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
cp "$here/installed_checks.sh" "$work/"

unshare -m bash -c '
  set -e
  mount -t tmpfs corvina-hidden "$1"
  case "$2" in "$1"/*) ;; *) mount -t tmpfs corvina-hidden "$2" ;; esac
  exec bash "$3/installed_checks.sh" "$3"
' hide "$source" "$build" "$work"
