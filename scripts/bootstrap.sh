#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that
# are missing. Runs apt-get directly as root, through sudo otherwise.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-serialport-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg62-turbo-dev
  libical-dev
  mobile-broadband-provider-info
  scdoc man-db desktop-file-utils appstream dpkg-dev fakeroot lintian
  fonts-dejavu-core poppler-utils
  # Scanning in the logo editor; libsane1 also brings the "test" backend
  # that the tests reach through SANE_CONFIG_DIR (no hardware needed).
  libsane-dev libsane1
  # Ringtone playback: MIDI rendered by FluidSynth with a General MIDI
  # soundfont, played through Qt Multimedia.
  libfluidsynth-dev timgm6mb-soundfont qt6-multimedia-dev
)
# Extra packages a caller may ask for (for example the independent FBUS
# clients, the calendar and the address-book program used by the peer tests):
# scripts/bootstrap.sh gnokii-cli gammu khal khard
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "bootstrap: installing ${missing[*]}" >&2
if [ "$(id -u)" -eq 0 ]; then
  apt=(apt-get)
elif command -v sudo >/dev/null 2>&1; then
  apt=(sudo apt-get)
else
  echo "bootstrap: need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${apt[@]}" install -y --no-install-recommends "${missing[@]}" >&2 || {
  "${apt[@]}" update >&2
  "${apt[@]}" install -y --no-install-recommends "${missing[@]}" >&2
}
