#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks what `cmake --install` puts down, in a fresh DESTDIR each time: the file list, and that
# the desktop, the software centres, man and the shells take what is theirs. A check whose tool
# is not installed is skipped (77).
set -euo pipefail

check=${1:?usage: check.sh CHECK BUILD_DIR}
build=${2:?usage: check.sh CHECK BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
id=org.kelvo.Kelvo
mime_type=application/x-kelvo-graph

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

skip_without() {
  if ! command -v "$1" >/dev/null; then
    echo "$1 not found; skipping the $check check"
    exit 77
  fi
}

# Installs the build under prefix into a DESTDIR of its own and prints that folder.
install_tree() {
  local dest=$scratch/dest$RANDOM
  DESTDIR=$dest cmake --install "$build" --prefix "$1" >/dev/null
  echo "$dest"
}

# The width and the height a PNG file's header gives.
png_size() {
  local bytes
  read -ra bytes < <(od -An -tu1 -j16 -N8 "$1")
  echo "$(((bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]))x$(((bytes[4] << 24) | (bytes[5] << 16) | (bytes[6] << 8) | bytes[7]))"
}

check_install_tree() {
  local prefix dest listed
  # Every file lands under the prefix, whichever it is, and nowhere else.
  for prefix in /usr /opt/kelvo-test; do
    dest=$(install_tree "$prefix")
    listed=$(cd "$dest" && find . -type f -o -type l | sed 's|^\./||' | sort)
    diff <(sed "s|^|${prefix#/}/|" "$here/files.txt" | sort) <(echo "$listed") ||
      fail "the files installed under $prefix differ from files.txt (< expected, > installed)"
  done
  local icons=$dest/opt/kelvo-test/share/icons/hicolor size
  for size in 16 32 48 64 128 256; do
    [ "$(png_size "$icons/${size}x$size/apps/$id.png")" = "${size}x$size" ] ||
      fail "the ${size}x$size icon is $(png_size "$icons/${size}x$size/apps/$id.png")"
  done
  [ -x "$dest/opt/kelvo-test/bin/kelvo" ] || fail "the installed kelvo is not executable"
  local version
  version=$("$dest/opt/kelvo-test/bin/kelvo" --version)
  [[ $version == "kelvo "* ]] || fail "the installed kelvo says '$version' to --version"
  gzip -t "$dest/opt/kelvo-test/share/man/man1/kelvo.1.gz" "$dest/opt/kelvo-test/share/doc/kelvo/changelog.gz"
}

check_desktop_entry() {
  skip_without desktop-file-validate
  local dest entry report
  dest=$(install_tree /usr)
  entry=$dest/usr/share/applications/$id.desktop
  report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
  if grep -E 'error:|warning:' <<<"$report"; then fail "desktop-file-validate complains"; fi
  grep -qx 'Exec=kelvo %f' "$entry" || fail "Exec does not pass the file"
  grep -qx "Icon=$id" "$entry" || fail "Icon is not $id"
  grep -qx "MimeType=$mime_type;" "$entry" || fail "MimeType is not $mime_type"
  grep -q '^Keywords=.' "$entry" || fail "no Keywords"
  # The window says the same name, so that the desktop finds the entry and its icon.
  grep -q "KelvoAppId\[\] = \"$id\"" "$build/generated/graph/Version.h" ||
    fail "the program's desktop id is not $id"
}

check_metainfo() {
  skip_without appstreamcli
  local dest metainfo report version
  dest=$(install_tree /usr)
  metainfo=$dest/usr/share/metainfo/$id.metainfo.xml
  report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
  if grep -E '^[EW]:' <<<"$report"; then fail "appstreamcli reports errors or warnings"; fi
  version=$("$dest/usr/bin/kelvo" --version)
  grep -q "<release version=\"${version#kelvo }\"" "$metainfo" ||
    fail "the metainfo has no release $version"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
}

check_manual_page() {
  skip_without man
  local dest page warnings text option
  dest=$(install_tree /usr)
  page=$dest/usr/share/man/man1/kelvo.1.gz
  # As lintian reads a manual page: every complaint of groff on standard error.
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man reports: $warnings"
  text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null | col -bx)
  # Every option the help lists, every command and every exit status has its entry.
  while read -r option; do
    grep -qE "^ +$option( |$)" <<<"$text" || fail "the manual page has no entry for $option"
  done < <("$dest/usr/bin/kelvo" render --help | sed -n 's/^  \(--[a-z-]*\).*/\1/p')
  for command in 'kelvo eval' 'kelvo render' 'kelvo --version' 'kelvo --help'; do
    grep -qF -- "$command" <<<"$text" || fail "the manual page does not mention $command"
  done
  for status in 0 1 2 3 4; do
    sed -n '/^EXIT STATUS/,/^[A-Z]/p' <<<"$text" | grep -qE "^ +$status " ||
      fail "the manual page does not say what exit status $status means"
  done
  sed -n '/^EXAMPLES/,$p' <<<"$text" | grep -qE '^ +kelvo eval ' || fail "no example of eval"
  sed -n '/^EXAMPLES/,$p' <<<"$text" | grep -qE '^ +kelvo render ' || fail "no example of render"
}

# What the bash completion offers for the words, the last one being completed.
bash_completions() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _kelvo
           [ ${#COMPREPLY[@]} -eq 0 ] || printf "%s\n" "${COMPREPLY[@]}"' completion "$completion" "$@"
}

expect_completion() {
  local expected=$1 got
  shift
  got=$(bash_completions "$@" | LC_ALL=C sort | tr '\n' ' ')
  [ "$got" = "$expected" ] || fail "completing '$*' offers '$got', not '$expected'"
}

check_completions() {
  local dest kelvo word
  dest=$(install_tree /usr)
  completion=$dest/usr/share/bash-completion/completions/kelvo
  kelvo=$dest/usr/bin/kelvo
  # Among no files that a command's name could be taken for.
  mkdir "$scratch/empty"
  cd "$scratch/empty"
  expect_completion 'render ' kelvo r
  expect_completion '--axes --axes-color ' kelvo render --ax
  expect_completion 'faster fastest ' kelvo render --speed f
  expect_completion '--speed=faster --speed=fastest ' kelvo render --speed=f
  expect_completion 'curve cyl ' kelvo render --kind = c
  expect_completion 'none ' kelvo render --grid no
  expect_completion '' kelvo render --title ''
  expect_completion '' kelvo eval --
  touch "$scratch/bowl.kelvo" "$scratch/bowl.png"
  expect_completion "$scratch/bowl.kelvo " kelvo render --graph "$scratch/bo"
  expect_completion "$scratch/bowl.kelvo $scratch/bowl.png " kelvo render --out "$scratch/bo"
  # Every word offered as a value is one kelvo takes.
  for word in $(bash_completions kelvo render --kind ''); do
    "$kelvo" render --kind "$word" --help >/dev/null || fail "--kind $word is refused"
  done
  for option in --size --speed --format --sample; do
    for word in $(bash_completions kelvo render "$option" ''); do
      "$kelvo" render "$option" "$word" --help >/dev/null || fail "$option $word is refused"
    done
  done
  for word in $(bash_completions kelvo render --grid ''); do
    "$kelvo" render --grid "$word" --above "${word/none/red}" --window 80x60 ||
      fail "--grid $word or --above $word is refused"
  done
  for word in $(bash_completions kelvo render --quality ''); do
    "$kelvo" render --quality "$word" --window 80x60 || fail "--quality $word is refused"
  done
  if command -v zsh >/dev/null; then
    zsh -n "$dest/usr/share/zsh/vendor-completions/_kelvo" || fail "the zsh completion does not parse"
    head -n 1 "$dest/usr/share/zsh/vendor-completions/_kelvo" | grep -qx '#compdef kelvo' ||
      fail "the zsh completion does not begin with #compdef kelvo"
  else
    echo "zsh not found; the zsh completion is not parsed"
  fi
}

check_mime_info() {
  skip_without update-mime-database
  local dest mime
  dest=$(install_tree /usr)
  mime=$scratch/mime
  mkdir -p "$mime/packages"
  cp "$dest/usr/share/mime/packages/$id.xml" "$mime/packages/"
  # It notes on its error output that the folder is not one the desktop searches.
  update-mime-database "$mime" 2>/dev/null || fail "update-mime-database refuses the type"
  grep -qx "50:$mime_type:\*\.kelvo" "$mime/globs2" || fail "no glob *.kelvo for $mime_type"
  grep -qx "$mime_type text/plain" "$mime/subclasses" || fail "$mime_type is not text"
  grep -qx "$mime_type:$id" "$mime/generic-icons" || fail "no icon for $mime_type"
  grep -q 'Kelvo graph ' "$mime/magic" || fail "no magic for the first line"
}

"check_$check"
echo "install check $check passed"
