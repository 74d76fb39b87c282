#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks what lands where, and
# runs the installed launcher with a stand-in for the program, which reports
# the folder it was started from and what it finds there.
# Usage: install_test.sh <build folder>
set -euo pipefail
build="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
prefix="$root/prefix"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
installed="$prefix/lib/vantora-programmer"
for file in "$installed/vantora-programmer" "$installed/Web/Introduction.htm" \
  "$installed/Documentation/Vantora_Manual.pdf" \
  "$prefix/lib/udev/rules.d/70-vantora-programmer.rules" \
  "$prefix/share/icons/hicolor/scalable/apps/vantora-programmer.svg"; do
  [ -f "$file" ] || fail "not installed: ${file#"$prefix"/}"
done
[ -x "$prefix/bin/vantora-programmer" ] || fail "no launcher on the path"
desktop-file-validate "$prefix/share/applications/vantora-programmer.desktop" ||
  fail "the desktop entry is not valid"

stand_in() {
  cat >"$installed/vantora-programmer" <<STANDIN
#!/bin/sh
here=\$(dirname "\$(readlink -f "\$0")")
echo "folder=\$here"
echo "arguments=\$*"
[ -f "\$here/Web/Introduction.htm" ] && [ -f "\$here/Documentation/Vantora_Manual.pdf" ] && echo "data=found"
touch "\$here/Profiles/Front Door.qvt" && echo "profiles=writable"
echo "release=$1"
STANDIN
  chmod 755 "$installed/vantora-programmer"
}
expect() {
  grep -qxF "$2" <<<"$1" || fail "expected $2 in: $1"
}

stand_in 1
user="$root/data/vantora-programmer"
output="$(XDG_DATA_HOME="$root/data" "$prefix/bin/vantora-programmer" --simulate)"
expect "$output" "folder=$user"
expect "$output" "arguments=--simulate"
expect "$output" "data=found"
expect "$output" "profiles=writable"

# An update of the installed program reaches the user's copy; profiles stay.
stand_in 2
output="$(XDG_DATA_HOME="$root/data" "$prefix/bin/vantora-programmer")"
expect "$output" "release=2"
[ -f "$user/Profiles/Front Door.qvt" ] || fail "the profiles were lost"

# Without XDG_DATA_HOME the folder is under ~/.local/share.
output="$(env -u XDG_DATA_HOME HOME="$root/home" "$prefix/bin/vantora-programmer")"
expect "$output" "folder=$root/home/.local/share/vantora-programmer"
echo "installed layout and launcher: passed"
