#!/usr/bin/env bash
# Times the whole `kelvo render` process for sample 1 at 80 x 80 curves into an 800 x 600
# window's picture (478 x 388) against gnuplot drawing the same function with pm3d at 81 x 81
# samples into a 478 x 388 pngcairo picture, side by side in one hyperfine run.
set -euo pipefail
# shellcheck source=SCRIPTDIR/tools.sh
source "$(dirname "$0")/tools.sh"
bench_start "${1:-}" gnuplot-nox hyperfine
cat > "$out/plot.gp" <<GP
set terminal pngcairo size 478,388
set output '$out/gnuplot.png'
set isosamples 81,81
set samples 81,81
set xrange [-3:3]
set yrange [-3:3]
set zrange [-10:10]
set pm3d depthorder
splot (2*x**2+3*y**2)*exp(1-x**2-y**2) with pm3d
GP
hyperfine --warmup 5 --runs 30 -N \
  "$kelvo render --function (2*x^2+3*y^2)*Exp(1-x^2-y^2) --curves 80,80 --out $out/kelvo.png" \
  "gnuplot $out/plot.gp"
