#!/usr/bin/env bash
# Installs the Debian packages the project builds with, only those missing.
# Usage: scripts/deps.sh core|gui|test
#   core  the engine, its tests and benchmarks
#   gui   core + the desktop program (Qt 6 with WebEngine) and Xvfb to run it without a display
#   test  gui + what the test suite needs (clang for the fuzz targets)
set -euo pipefail

core=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev)
gui=(qt6-base-dev qt6-webengine-dev qt6-translations-l10n libgl-dev xvfb xauth fonts-dejavu-core)
test=(clang libclang-rt-14-dev)

want=("${core[@]}")
case "${1:-core}" in
  core) ;;
  gui) want+=("${gui[@]}") ;;
  test) want+=("${gui[@]}" "${test[@]}") ;;
  *) echo "uso: $0 core|gui|test" >&2; exit 2 ;;
esac

missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Instalando: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
