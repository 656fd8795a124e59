#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metadata.
#   desktop_checks.sh DESKTOP_FILE METAINFO_FILE
# Exit 77: skipped (validators not installed).
set -euo pipefail
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
desktop-file-validate "$1"
appstreamcli validate --no-net "$2"
