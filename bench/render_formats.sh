#!/usr/bin/env bash
# Times the whole `kelvo render` process writing the same picture as PNG, JPEG, GIF and BMP,
# side by side in one run (installs hyperfine when it is missing).
set -euo pipefail
# shellcheck source=SCRIPTDIR/tools.sh
source "$(dirname "$0")/tools.sh"
bench_start "${1:-}" hyperfine
draw="$kelvo render --function '(2*x^2+3*y^2)*Exp(1-x^2-y^2)' --curves 80,80 --out $out/x"
hyperfine -N --warmup 5 --runs 30 "$draw.png" "$draw.jpg" "$draw.gif" "$draw.bmp"
