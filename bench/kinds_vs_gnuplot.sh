#!/usr/bin/env bash
# Times the whole `kelvo render` process for the torus (kind 4, 80 x 80 curves, shaded) into
# an 800 x 600 window's picture (478 x 388) against gnuplot drawing it with pm3d at 81 x 81
# samples into a 478 x 388 pngcairo picture, side by side in one hyperfine run; then a space
# curve of 100,001 points drawn and listed by `kelvo render` alone.
set -euo pipefail
# shellcheck source=SCRIPTDIR/tools.sh
source "$(dirname "$0")/tools.sh"
bench_start "${1:-}" gnuplot-nox hyperfine
cat > "$out/torus.gp" <<'GP'
set terminal pngcairo size 478,388
set output outfile
set parametric
set urange [-pi:pi]; set vrange [-pi:pi]
set xrange [-3:3]; set yrange [-3:3]; set zrange [-10:10]
set isosamples 81,81
set samples 81,81
set view 80,120
set pm3d depthorder border lc rgb "#008080"
set palette defined (0 "yellow", 1 "red")
unset colorbox
splot (2-cos(v))*cos(u), (2-cos(v))*sin(u), sin(v) with pm3d notitle
GP
hyperfine --warmup 5 --runs 30 -N \
  "$kelvo render --kind 4 --x (2-Cos(v))*Cos(u) --y (2-Cos(v))*Sin(u) --z Sin(v) --curves 80,80 --out $out/kelvo.png" \
  "gnuplot -e \"outfile='$out/t.png'\" $out/torus.gp"
hyperfine --warmup 3 --runs 20 -N \
  "$kelvo render --kind 3 --x 3*Cos(t) --y 2*Sin(t) --z t/10 --step 0.00005 --out $out/curve.png --values $out/curve.txt"
