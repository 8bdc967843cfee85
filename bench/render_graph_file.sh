#!/usr/bin/env bash
# Times the whole `kelvo render` process drawing a graph from its options and from the graph
# file those options saved, side by side in one run (installs hyperfine when it is missing).
set -euo pipefail
# shellcheck source=SCRIPTDIR/tools.sh
source "$(dirname "$0")/tools.sh"
bench_start "${1:-}" hyperfine
options=(--function '(2*x^2+3*y^2)*Exp(1-x^2-y^2)' --curves 80,80 --view 40,70,300 --box
         --contours 40,12 --title 'Two bumps')
"$kelvo" render "${options[@]}" --save-graph "$out/g.kelvo"
quoted=$(printf "%q " "${options[@]}")
hyperfine -N --warmup 5 --runs 40 \
  "$kelvo render $quoted --out $out/a.png" \
  "$kelvo render --graph $out/g.kelvo --out $out/b.png"
cmp "$out/a.png" "$out/b.png" && echo "render_graph_file: the two pictures are the same bytes"
