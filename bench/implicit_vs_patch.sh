#!/usr/bin/env bash
# Times the whole `kelvo render` process drawing the sphere of radius 2 as an implicit surface
# at 40 x 40 x 40 cells against the same sphere as a two-parameter surface at 40 x 40 curves,
# side by side in one run, each writing its picture and its listing (installs hyperfine when it
# is missing).
set -euo pipefail
# shellcheck source=SCRIPTDIR/tools.sh
source "$(dirname "$0")/tools.sh"
bench_start "${1:-}" hyperfine
box=(--axes -3,3,-3,3,-3,3)
implicit=(--kind implicit --function 'x^2+y^2+z^2=4' --curves 40,40,40 "${box[@]}")
patch=(--kind patch --x '2*Cos(u)*Cos(v)' --y '2*Cos(u)*Sin(v)' --z '2*Sin(u)'
       --domain '-p/2,p/2,0,2*p' --curves 40,40 "${box[@]}")
hyperfine -N --warmup 5 --runs 40 \
  "$kelvo render $(printf "%q " "${implicit[@]}") --out $out/implicit.png --values $out/implicit.txt" \
  "$kelvo render $(printf "%q " "${patch[@]}") --out $out/patch.png --values $out/patch.txt"
echo "implicit_vs_patch: $(wc -l <"$out/implicit.txt") listed corners against $(wc -l <"$out/patch.txt") listed points"
