#!/usr/bin/env bash
# Set-up, build and run for a fresh Debian 12 machine.
#   ./zavik.sh run [deck]   install what is missing, build everything, start the program
#                           with the deck open (without a display: run the engine on it)
#   ./zavik.sh test         install what is missing, build with sanitizers, run every test
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
jobs=${JOBS:-$(nproc 2>/dev/null || echo 4)}

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqt6opengl6-dev libgl-dev libglu1-mesa-dev
  libopenblas-dev liblapack-dev
  xvfb xauth
  fonts-liberation2
  # The sans-serif face of the windows: with the Liberation fonts alone,
  # sans-serif falls back to Liberation Mono, and the input windows grow past
  # a 1024x768 screen.
  fonts-dejavu-core
  locales
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

case "${1:-}" in
  run)
    install_missing
    cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZAV_BUILD_BENCH=OFF >/dev/null
    cmake --build "$here/build" -j "$jobs"
    deck=${2:-"$here/examples/half-space-harmonic.kqd"}
    work="$here/out"
    mkdir -p "$work"
    # The deck with the side files saved beside it (the mass data it echoes),
    # copied once: a project saved in out/ is not overwritten.
    for f in "$deck" "${deck%.kqd}.kqm" "${deck%.kqd}.kqt"; do
      [ -f "$f" ] && [ ! -e "$work/$(basename "$f")" ] && cp "$f" "$work/"
    done
    cd "$work"
    name=$(basename "$deck")
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      echo "Starting the program with $work/$name"
      if "$here/build/bin/Zavik3" "$work/$name"; then
        exit 0
      fi
      echo "The program could not run on this display."
    else
      echo "No display: the program cannot start here."
    fi
    echo "Running $name through the engine instead."
    status=0
    "$here/build/bin/zav3-run" "$name" || status=$?
    echo "Engine status: $status (0 analysis completed, 2 stopped, 3 fatal input error)"
    echo "Report:    $work/${name%.kqd}.kqo"
    echo "Plot data: $work/${name%.kqd}.kqp"
    ;;
  test)
    install_missing
    cmake -S "$here" -B "$here/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAV_SANITIZE=ON -DZAV_BUILD_BENCH=ON >/dev/null
    cmake --build "$here/build-test" -j "$jobs"
    ctest --test-dir "$here/build-test" --output-on-failure -j "$jobs"
    ;;
  *)
    echo "usage: $0 run [deck] | test" >&2
    exit 2
    ;;
esac
