#!/usr/bin/env bash
# Checks the Debian package of the build. "build" makes it into
# <build folder>/package-test; the other checks read it from there.
# Usage: package_test.sh build|files|control|lint|run <build folder> <version>
set -euo pipefail
check="$1"
build="$2"
out="$build/package-test"
deb="$out/vantora-programmer_$3_$(dpkg --print-architecture).deb"
root="$(mktemp -d)"
started=()
end_started() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  started=()
}
trap 'end_started; rm -rf "$root"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

build_package() {
  rm -rf "$out"
  cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake"
  [ -f "$deb" ] || fail "no package $deb"
}

# Every file of the program folder but Profiles/, which each user keeps in
# their own data folder; the command, desktop files and udev rule; nothing else.
check_files() {
  local listed expected
  listed="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print substr($6, 2) ($7 ? " " $7 " " $8 : "") }' | sort)"
  expected="$(
    cd "$build/program"
    find . -type f ! -path './Profiles/*' | sed 's|^\.|/usr/lib/vantora-programmer|'
    echo "/usr/bin/vantora-programmer -> ../lib/vantora-programmer/vantora-programmer"
    printf '/usr/share/%s\n' applications/vantora-programmer.desktop \
      icons/hicolor/scalable/apps/vantora-programmer.svg \
      icons/hicolor/256x256/apps/vantora-programmer.png \
      metainfo/example.vantora.Programmer.metainfo.xml \
      mime/packages/vantora-programmer.xml \
      man/man1/vantora-programmer.1.gz \
      doc/vantora-programmer/changelog.gz doc/vantora-programmer/copyright \
      lintian/overrides/vantora-programmer
    echo /usr/lib/udev/rules.d/70-vantora-programmer.rules
  )"
  diff <(sort <<<"$expected") <(echo "$listed") >&2 ||
    fail "the package's files differ from the expected list (< missing, > unexpected)"
}

# Depends names the libraries the program links, Qt Multimedia's and Qt
# D-Bus's among them;
# the post-install applies the udev rule to FTDI devices already plugged in.
check_control() {
  local depends
  depends="$(dpkg-deb -f "$deb" Depends)"
  for library in libftdi1-2 libqt6widgets6 libqt6multimedia6 libqt6dbus6 libudev1 \
    qt6-translations-l10n; do
    grep -qE "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library: $depends"
  done
  dpkg-deb -e "$deb" "$root/control"
  mkdir "$root/bin"
  printf '#!/bin/sh\necho "$*" >>"%s"\n' "$root/udevadm-calls" >"$root/bin/udevadm"
  chmod 755 "$root/bin/udevadm"
  PATH="$root/bin:$PATH" "$root/control/postinst" configure
  diff - "$root/udevadm-calls" >&2 <<CALLS || fail "the post-install called udevadm otherwise"
control --reload-rules
trigger --subsystem-match=usb --attr-match=idVendor=0403
CALLS
}

# The menu entry opens profile files: their type is known by their name, and
# the entry takes a file.
check_mime_type() {
  local entry="$root/unpacked/usr/share/applications/vantora-programmer.desktop"
  mkdir -p "$root/mime/packages"
  cp "$root/unpacked/usr/share/mime/packages/vantora-programmer.xml" "$root/mime/packages/"
  # Quiet, but for errors, on a folder of the data search path.
  XDG_DATA_HOME="$root" update-mime-database "$root/mime" 2>&1 | { ! grep .; } ||
    fail "update-mime-database has complaints about the MIME type"
  grep -qxF "application/x-vantora-profile:*.qvt" "$root/mime/globs" ||
    fail "*.qvt is not of the type application/x-vantora-profile"
  grep -qxF "MimeType=application/x-vantora-profile;" "$entry" ||
    fail "the desktop entry does not open application/x-vantora-profile"
  grep -qE '^Exec=vantora-programmer %[fF]$' "$entry" || fail "the desktop entry takes no file"
}

check_lint() {
  dpkg-deb -x "$deb" "$root/unpacked"
  desktop-file-validate "$root/unpacked/usr/share/applications/vantora-programmer.desktop"
  check_mime_type
  appstreamcli validate --no-net \
    "$root/unpacked/usr/share/metainfo/example.vantora.Programmer.metainfo.xml"
  lintian --fail-on error,warning "$deb"
}

# Starts the unpacked program with the given environment settings (as env
# takes them), waits until it opens the file or folder after "--", then ends it.
run_until_opened() {
  local settings=() log="$root/opened" ready="$root/ready" program
  while [ "$1" != -- ]; do settings+=("$1") && shift; done
  local path="$2"
  rm -f "$log" "$ready" && mkfifo "$ready"
  inotifywait -m -e open --format '%w%f' -o "$log" "$(dirname "$path")" 2>"$ready" &
  started+=($!)
  grep -q -m1 "Watches established" <"$ready"
  # A runtime folder of its own: windows of the program that already run
  # would otherwise take this start over.
  mkdir -p -m 700 "$root/runtime"
  env "${settings[@]}" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$root/runtime" \
    "$root/unpacked/usr/bin/vantora-programmer" --simulate &
  program=$!
  started+=("$program")
  grep -qxF "$path" < <(timeout 60 tail -n +1 -f "$log") ||
    fail "the program did not open $path within a minute"
  kill "$program" || fail "the program ended by itself"
  end_started
}

# The unpacked program keeps each user's profiles in their data folder and
# reads its help pages from its own folder.
check_run() {
  dpkg-deb -x "$deb" "$root/unpacked"
  local folder="$root/unpacked/usr/lib/vantora-programmer" data="$root/data" home="$root/home"
  mkdir -p "$data" "$home"

  run_until_opened HOME="$home" XDG_DATA_HOME="$data" -- "$folder/Web/Introduction.htm"
  [ "$(cd "$data" && find . | sort | xargs)" = ". ./vantora-programmer ./vantora-programmer/Profiles" ] ||
    fail "the user's data folder holds other than an empty Profiles/: $(cd "$data" && find .)"

  # A folder left by earlier releases, in ~/.local/share.
  local earlier="$home/.local/share/vantora-programmer"
  mkdir -p "$earlier/Profiles"
  echo "[Profile]" >"$earlier/Profiles/Front Door.qvt"
  run_until_opened -u XDG_DATA_HOME HOME="$home" -- "$earlier/Profiles"
  [ -f "$earlier/Profiles/Front Door.qvt" ] || fail "the profile of an earlier release is gone"

  # A program folder with Profiles/ of its own keeps them there.
  rm -rf "$data"/*
  mkdir "$folder/Profiles"
  run_until_opened HOME="$home" XDG_DATA_HOME="$data" -- "$folder/Profiles"
  [ -z "$(ls -A "$data")" ] || fail "a program folder with Profiles/ made a user folder"
}

case "$check" in
  build) build_package ;;
  files) check_files ;;
  control) check_control ;;
  lint) check_lint ;;
  run) check_run ;;
  *) fail "unknown check $check" ;;
esac
echo "package $check: passed"
