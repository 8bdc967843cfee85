#!/usr/bin/env bash
# Times the whole `kelvo render` process building a 32-frame movie of the torus (kind 4,
# 40 x 40 curves) and writing it as an animated GIF, against gnuplot writing the same turn of
# the same torus as an animated GIF, side by side in one hyperfine run.
set -euo pipefail
# shellcheck source=SCRIPTDIR/tools.sh
source "$(dirname "$0")/tools.sh"
bench_start "${1:-}" gnuplot-nox hyperfine
cat > "$out/turn.gp" <<'GP'
set terminal gif animate delay 40 size 478,388
set output outfile
set parametric
set urange [-pi:pi]; set vrange [-pi:pi]
set xrange [-3:3]; set yrange [-3:3]; set zrange [-10:10]
set isosamples 41,41
set samples 41,41
set pm3d depthorder border lc rgb "#008080"
set palette defined (0 "yellow", 1 "red")
unset colorbox
do for [i=0:31] {
  a = 30 + i*360.0/32
  set view 80, (a >= 360 ? a - 360 : a)
  splot (2-cos(v))*cos(u), (2-cos(v))*sin(u), sin(v) with pm3d notitle
}
GP
hyperfine --warmup 3 --runs 20 -N \
  "$kelvo render --kind 4 --x (2-Cos(v))*Cos(u) --y (2-Cos(v))*Sin(u) --z Sin(v) --curves 40,40 --frames 32 --movie $out/kelvo.gif" \
  "gnuplot -e \"outfile='$out/t.gif'\" $out/turn.gp"
