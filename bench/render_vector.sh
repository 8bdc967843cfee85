#!/usr/bin/env bash
# Times the whole `kelvo render` process writing sample 1 of kind 1 at 80 x 80 curves as PNG,
# SVG and PDF, side by side in one run (installs hyperfine when it is missing).
set -euo pipefail
# shellcheck source=SCRIPTDIR/tools.sh
source "$(dirname "$0")/tools.sh"
bench_start "${1:-}" hyperfine
draw="$kelvo render --sample 1 --curves 80,80 --out $out/x"
hyperfine -N --warmup 5 --runs 30 "$draw.png" "$draw.svg" "$draw.pdf"
