#!/usr/bin/env bash
# Installs the Debian packages Kelvo needs (only when one is missing) and the comma locale
# that the tests use. Safe to run again.
set -euo pipefail

packages=(
  cmake g++ make clang-14 libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-svg-dev qt6-tools-dev qt6-l10n-tools
  qt6-translations-l10n
  libgl-dev
  libjpeg62-turbo-dev libgif-dev libpng-dev zlib1g-dev
  libgtest-dev googletest libbenchmark-dev
  xvfb xauth locales fonts-dejavu-core fonts-liberation
  desktop-file-utils appstream shared-mime-info man-db zsh dpkg-dev lintian
  librsvg2-bin poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
  sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
