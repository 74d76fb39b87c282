#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands where: the
# program folder without Profiles/ (each user keeps profiles in their own data
# folder), the command leading to the installed program, the udev rule, the
# menu entry and the type of profile files that it opens.
# Usage: install_test.sh <build folder>
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
installed="$prefix/lib/vantora-programmer"
for file in "$installed/Web/Introduction.htm" "$installed/Documentation/Vantora_Manual.pdf" \
  "$installed/Documentation/Vantora_Manual.html" \
  "$prefix/lib/udev/rules.d/70-vantora-programmer.rules" \
  "$prefix/share/applications/vantora-programmer.desktop" \
  "$prefix/share/mime/packages/vantora-programmer.xml"; do
  [ -f "$file" ] || fail "not installed: ${file#"$prefix"/}"
done
[ -x "$installed/vantora-programmer" ] || fail "no program in the installed program folder"
[ ! -e "$installed/Profiles" ] || fail "the installed program folder has a Profiles/ folder"
[ "$(readlink -f "$prefix/bin/vantora-programmer")" = "$installed/vantora-programmer" ] ||
  fail "the command does not lead to the installed program"
echo "installed layout: passed"
