#!/usr/bin/env bash
# Installs what is missing, builds the desktop program and starts it on the
# user's workspace (the application-data folder + /Corvane/razidaro, seeded
# with the default tables on the first start).
#   bash scripts/run.sh                 on a machine with a display
#   xvfb-run -a bash scripts/run.sh     without one (a virtual display)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}  # the build folder (BUILD_DIR to use another)

bash scripts/deps.sh gui

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DEXPURGOS_GUI=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target expurgos

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Não há tela disponível (DISPLAY e WAYLAND_DISPLAY estão vazios)." >&2
  echo "Para rodar numa tela virtual use:  xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi

# The embedded browser refuses to run as root with its sandbox, and has no GPU here.
if [ "$(id -u)" -eq 0 ]; then
  export QTWEBENGINE_DISABLE_SANDBOX=1
  export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"
fi
exec "$build"/src/app/expurgos "$@"
