#!/usr/bin/env bash
# Shared by the timing scripts: installs the Debian packages they need when one is missing.
need_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null
  done
}
