#!/usr/bin/env bash
# Measures the desktop program (not a test): the time from starting the
# program to its main window shown, and from handing a report file to the
# main window to the report displayed. Runs under Xvfb when there is no
# display. RUNS sets the number of starts (default 7); the medians are printed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}  # the build folder (BUILD_DIR to use another)

if [ "${1:-}" != "--na-tela" ]; then
  bash scripts/deps.sh gui
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DEXPURGOS_GUI=ON >/dev/null
  cmake --build "$build" -j"$(nproc)" --target expurgos >/dev/null
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1366x768x24" bash "$0" --na-tela
  fi
fi

export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
runs=${RUNS:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Reports: the two layouts of the daily savings report, and a long one of
# 600 monthly rows (about 200 KB), all Windows-1252 without a charset.
awk 'BEGIN {
  printf "<html><head><title>Relat\xf3rio</title></head><body><table border=1>\r\n";
  for (i = 0; i < 600; i++)
    printf "<tr><td>%02d/%04d</td><td>1.234.567,%02d</td><td>0,%04d</td><td>Corre\xe7\xe3o monet\xe1ria do m\xeas</td><td>98.765,43</td></tr>\r\n", i % 12 + 1, 1987 + int(i / 12), i % 100, i;
  printf "</table></body></html>\r\n" }' > "$work/longo.html"
reports=(tests/data/golden/daily_realistic_savings.html tests/data/golden/daily_realistic_tr.html "$work/longo.html")

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)]; else print "-" }'; }

: > "$work/first" ; : > "$work/start" ; : > "$work/engine" ; for i in "${!reports[@]}"; do : > "$work/report$i"; done
for run in $(seq "$runs"); do
  home="$work/home$run"
  mkdir -p "$home"
  # Twice on the same workspace: the first start copies the default tables.
  for pass in first start; do
    t0=$(date +%s%3N)
    out=$(XDG_DATA_HOME="$home" "$build"/src/app/expurgos --medir "${reports[@]}" 2>/dev/null)
    shown=$(sed -n 's/^janela_principal_epoch_ms=//p' <<<"$out")
    echo $((shown - t0)) >> "$work/$pass"
    engine=$(sed -n 's/^motor_html_pronto_epoch_ms=//p' <<<"$out")
    [ "$pass" = start ] && [ -n "$engine" ] && echo $((engine - t0)) >> "$work/engine"
    if [ "$pass" = start ]; then
      for i in "${!reports[@]}"; do
        sed -n "s/^relatorio_$((i + 1))_ms=\([0-9]*\) ok=1$/\1/p" <<<"$out" >> "$work/report$i"
      done
    fi
  done
done

echo "Medianas de $runs execuções ($(nproc) núcleos, ${DISPLAY:+tela $DISPLAY}):"
echo "  início até a janela principal exibida, primeiro início (cópia das tabelas): $(median < "$work/first") ms"
echo "  início até a janela principal exibida, inícios seguintes:                  $(median < "$work/start") ms"
echo "  início até o documento vazio carregado (motor HTML pronto):              $(median < "$work/engine") ms"
for i in "${!reports[@]}"; do
  printf '  relatório exibido, %-32s %s ms\n' "$(basename "${reports[$i]}"):" "$(median < "$work/report$i")"
done
