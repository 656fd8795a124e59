#!/usr/bin/env bash
# Runs Corvina's command-line tool against a phone.
#   scripts/run.sh                     a simulated Nokia 6110 on a pseudo-terminal
#   scripts/run.sh --port /dev/ttyUSB0 [--connection fbus|dlr3|at]   a real phone
# Further arguments after -- choose the command (default: identify).
set -euo pipefail
cd "$(dirname "$0")/.."

port=""
options=()
command=(identify)
while [ $# -gt 0 ]; do
  case "$1" in
    --port) port="$2"; shift ;;
    --connection) options+=(--connection "$2"); shift ;;
    --) shift; command=("$@"); break ;;
    *) echo "run.sh: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done

scripts/bootstrap.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target corvina-cli phonesim

if [ -z "$port" ]; then
  dir=$(mktemp -d "${XDG_RUNTIME_DIR:-${TMPDIR:-/tmp}}/corvina-phone.XXXXXX")
  build/phonesim/phonesim --model NSE-3 --link "$dir/phone" >/dev/null &
  sim=$!
  trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null; rm -rf "$dir"' EXIT
  for _ in $(seq 50); do [ -e "$dir/phone" ] && break; sleep 0.1; done
  port="$dir/phone"
fi
build/cli/corvina-cli --port "$port" "${options[@]}" "${command[@]}"
