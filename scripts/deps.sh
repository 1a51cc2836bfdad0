#!/usr/bin/env bash
# Installs the Debian packages the project builds with, only those missing.
# Usage: scripts/deps.sh core|gui|test
set -euo pipefail

want=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev)
case "${1:-core}" in
  core) ;;
  test) want+=(clang libclang-rt-14-dev) ;;
  *) echo "uso: $0 core|test" >&2; exit 2 ;;
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
