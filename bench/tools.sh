#!/usr/bin/env bash
# Shared by the timing scripts: installs the Debian packages they need when one is missing.
need_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null
  done
}

# The start of every timing script: `bench_start KELVO PACKAGE...` moves to the source root,
# sets kelvo to the program timed (KELVO, or build/app/kelvo when it is empty), installs the
# packages, and makes the scratch folder out, removed when the script ends.
# shellcheck disable=SC2034 # kelvo and out are the calling script's
bench_start() {
  cd "$(dirname "$0")/.." || exit
  kelvo=${1:-build/app/kelvo}
  shift
  need_packages "$@"
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
}
