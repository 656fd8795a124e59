#!/usr/bin/env bash
# Builds and starts Corvina.
#   scripts/run.sh                        with a simulated Nokia 6110 (NSE-3)
#                                         on a pseudo-terminal
#   scripts/run.sh --port /dev/ttyUSB0    with a real phone on that device
#                                         (add --connection fbus|dlr3|at to
#                                         name the cable; without it every
#                                         cable kind is tried)
# Further arguments go to corvina. The simulator ends when Corvina ends.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'TEXT'
run: there is no display ($DISPLAY and $WAYLAND_DISPLAY are empty).
Start Corvina on a virtual X server instead:
    apt-get install xvfb xauth      (once)
    xvfb-run -a scripts/run.sh
TEXT
  exit 1
fi

scripts/bootstrap.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target corvina phonesim

for argument in "$@"; do
  if [ "$argument" = "--port" ]; then
    exec build/corvina/corvina "$@"
  fi
done

# The simulated phone's link lives in a private folder of the user.
base="${XDG_RUNTIME_DIR:-${TMPDIR:-/tmp}}"
rundir="$(mktemp -d "$base/corvina-phone.XXXXXX")"
link="$rundir/phone"
build/phonesim/phonesim --model NSE-3 --link "$link" >"$rundir/phonesim.log" 2>&1 &
simulator=$!
stop_simulator() {
  kill "$simulator" 2>/dev/null || true
  wait "$simulator" 2>/dev/null || true
  rm -rf "$rundir"
}
trap stop_simulator EXIT

for _ in $(seq 100); do
  [ -e "$link" ] && break
  if ! kill -0 "$simulator" 2>/dev/null; then
    echo "run: the simulator did not start:" >&2
    cat "$rundir/phonesim.log" >&2
    exit 1
  fi
  sleep 0.1
done
if [ ! -e "$link" ]; then
  echo "run: the simulator made no link at $link" >&2
  exit 1
fi
echo "run: simulated Nokia 6110 at $link" >&2
build/corvina/corvina --port "$link" --connection fbus "$@" &
corvina=$!
# Ctrl+C or a TERM to this script ends Corvina the orderly way first.
trap 'kill -TERM "$corvina" 2>/dev/null || true' INT TERM
status=0
while kill -0 "$corvina" 2>/dev/null; do
  wait "$corvina" && status=0 || status=$?
done
exit "$status"
