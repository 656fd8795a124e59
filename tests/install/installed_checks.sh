#!/usr/bin/env bash
# The checks on an installed tree under WORK/prefix; run by
# installed_programs.sh with the source and build trees hidden.
set -euo pipefail
work=$1
prefix=$work/prefix
fail() { echo "FAILED: $*" >&2; exit 1; }

lib=$(dirname "$(find "$prefix" -name 'libphonelib.so.0' | head -n 1)")
[ -n "$lib" ] || fail "libphonelib.so.0 not installed"
export LD_LIBRARY_PATH=$lib
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

"$prefix/bin/corvina-cli" --help | grep -q '^  identify' || fail "corvina-cli --help lists no commands"
"$prefix/bin/corvina" --version | grep -qx 'Corvina [0-9.]*' || fail "corvina --version"
"$prefix/bin/phonesim" --version | grep -q '^phonesim ' || fail "phonesim --version"
for page in man1/corvina.1.gz man1/corvina-cli.1.gz man1/phonesim.1.gz de/man1/corvina-cli.1.gz; do
  [ -s "$prefix/share/man/$page" ] || fail "manual page $page missing"
done

# The library's header and pkg-config file serve another program.
cat > "$work/uses-phonelib.cpp" <<'CPP'
#include <phonelib/api/phonelib.h>
#include <cstdio>
int main() {
    std::string number = "+49 (0)171 1234567";
    phonelib::formatnumber(number);
    std::puts(number.c_str());
}
CPP
export PKG_CONFIG_PATH=$lib/pkgconfig
g++ -std=c++20 -fPIC "$work/uses-phonelib.cpp" -o "$work/uses-phonelib" \
  $(pkg-config --cflags --libs corvina-phonelib) || fail "a program does not build against the installed header"
"$work/uses-phonelib" | grep -q '49' || fail "the installed library does not run"

# The installed programs against the installed simulator.
"$prefix/bin/phonesim" --model NSE-3 --link "$work/phone" > /dev/null &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -e "$work/phone" ] && break; sleep 0.05; done
"$prefix/bin/corvina-cli" --port "$work/phone" identify > "$work/identify.txt" 2> "$work/identify.err" ||
  fail "identify: $(cat "$work/identify.err")"
grep -q 'NSE-3' "$work/identify.txt" || fail "identify names no model"
grep -q 'Netz.*T-Mobile' "$work/identify.txt" ||
  fail "the operator name from the installed netcode.csv is missing: $(cat "$work/identify.txt" "$work/identify.err")"

# The program, offscreen: connects, then ends the orderly way on SIGTERM.
start=$(date +%s%N)
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='corvina.connection.info=true' \
  "$prefix/bin/corvina" --port "$work/phone" --connection fbus 2> "$work/corvina.log" &
program=$!
for _ in $(seq 400); do grep -q 'Verbunden:' "$work/corvina.log" && break; sleep 0.05; done
grep -q 'Verbunden:' "$work/corvina.log" || fail "corvina did not connect: $(cat "$work/corvina.log")"
connected=$(( ($(date +%s%N) - start) / 1000000 ))
rss=$(awk '/VmRSS/ {print $2}' "/proc/$program/status")
if grep -q 'nicht gefunden' "$work/corvina.log"; then fail "a data file was not found: $(cat "$work/corvina.log")"; fi
kill -TERM $program
wait $program || fail "corvina ended with status $?"
echo "installed corvina: connected main window after ${connected} ms, resident memory ${rss} kB"
