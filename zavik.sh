#!/usr/bin/env bash
# Set-up, build and run for a fresh Debian 12 machine.
#   ./zavik.sh run [deck]   install what is missing, build, run the engine on a deck
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
    cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$here/build" -j "$jobs" --target Zav3-comp zav3-run
    deck=${2:-"$here/examples/half-space-harmonic.kqd"}
    work="$here/out"
    mkdir -p "$work"
    # The deck with the side files saved beside it (the mass data it echoes).
    for f in "$deck" "${deck%.*}.kqm" "${deck%.*}.kqt"; do
      [ -f "$f" ] && [ ! "$f" -ef "$work/$(basename "$f")" ] && cp "$f" "$work/"
    done
    cd "$work"
    name=$(basename "$deck")
    status=0
    "$here/build/bin/zav3-run" "$name" || status=$?
    echo "Engine status: $status (0 analysis completed, 2 stopped, 3 fatal input error)"
    echo "Report:    $work/${name%.*}.kqo"
    echo "Plot data: $work/${name%.*}.kqp"
    ;;
  test)
    install_missing
    cmake -S "$here" -B "$here/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAV_SANITIZE=ON >/dev/null
    cmake --build "$here/build-test" -j "$jobs"
    ctest --test-dir "$here/build-test" --output-on-failure -j "$jobs"
    ;;
  *)
    echo "usage: $0 run [deck] | test" >&2
    exit 2
    ;;
esac
