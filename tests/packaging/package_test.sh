#!/usr/bin/env bash
# Checks of the Debian package and of the files that put Tallyworth in a desktop's menu.
# Usage: package_test.sh CHECK, with the settings below in the environment (the test
# build passes them). `build` makes the package in PKG_SCRATCH, `clean` removes it; every
# other check reads that package and leaves nothing behind.
#   PKG_BUILD_DIR       build directory whose CPackConfig.cmake makes the package
#   PKG_SCRATCH         directory for the package and CPack's work files
#   PKG_NAME            Debian package name
#   PKG_APP_ID          reverse-DNS application id (desktop entry, icons, metainfo)
#   PKG_VERSION_HEADER  the generated version header the program shows its version from
#   PKG_CLOSE_WINDOW    helper that asks an X11 window to close
set -euo pipefail

readonly kStartTimeoutSeconds=60
readonly kIconSizes=(16 32 48 64 128 256)
readonly kLanguages=(de en es fr nl)
# A face with the proportions the windows are laid out for (Liberation Sans, or Nimbus
# Sans from the URW fonts); the desktop's own face may be wider.
readonly kFontDependency='fonts-liberation2 | fonts-urw-base35'

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (see scripts/deps.sh)"
  done
}

version_field() {
  sed -nE "s/.*$1\[\] = \"([0-9]+)\".*/\1/p" "$PKG_VERSION_HEADER"
}

# The version the program shows: each field of the version record as a plain number.
expected_version() {
  local major minor revision
  major=$(version_field kMajor)
  minor=$(version_field kMinor)
  revision=$(version_field kRevision)
  if [ -z "$major" ] || [ -z "$minor" ] || [ -z "$revision" ]; then
    fail "no version record in $PKG_VERSION_HEADER"
  fi
  echo "$((10#$major)).$((10#$minor)).$((10#$revision))"
}

package_file() {
  echo "$PKG_SCRATCH/${PKG_NAME}_$(expected_version)_$(dpkg --print-architecture).deb"
}

existing_package() {
  local deb
  deb=$(package_file)
  [ -f "$deb" ] || fail "no package $deb; the packaging build step did not run or failed"
  echo "$deb"
}

# Unpacks the package into a fresh directory that is removed when the check ends.
unpack_package() {
  UNPACKED=$(mktemp -d "${TMPDIR:-/tmp}/tallyworth-root.XXXXXX")
  trap 'rm -rf "$UNPACKED"' EXIT
  dpkg-deb -x "$(existing_package)" "$UNPACKED"
}

desktop_key() {
  sed -n "0,/^$2=/s/^$2=//p" "$1"
}

check_build() {
  need_tools cpack dpkg-deb dpkg-shlibdeps
  rm -rf "$PKG_SCRATCH"
  mkdir -p "$PKG_SCRATCH"
  cpack -G DEB --config "$PKG_BUILD_DIR/CPackConfig.cmake" -B "$PKG_SCRATCH"
  local deb
  deb=$(existing_package)
  dpkg-deb --info "$deb" >/dev/null || fail "$deb is not a readable Debian package"
  echo "built $deb ($(stat -c %s "$deb") bytes)"
}

expected_files() {
  local size
  echo "./usr/bin/$PKG_NAME"
  echo "./usr/share/applications/$PKG_APP_ID.desktop"
  echo "./usr/share/doc/$PKG_NAME/copyright"
  echo "./usr/share/doc/$PKG_NAME/examples/nginx-$PKG_NAME-serve.conf"
  for size in "${kIconSizes[@]}"; do
    echo "./usr/share/icons/hicolor/${size}x${size}/apps/$PKG_APP_ID.png"
  done
  echo "./usr/share/icons/hicolor/scalable/apps/$PKG_APP_ID.svg"
  echo "./usr/share/metainfo/$PKG_APP_ID.metainfo.xml"
  echo "./usr/lib/systemd/system/$PKG_NAME-serve.service"
  echo "./etc/default/$PKG_NAME-serve"
  local language
  for language in "${kLanguages[@]}"; do
    echo "./usr/share/$PKG_NAME/translations/${PKG_NAME}_$language.qm"
  done
}

check_contents() {
  need_tools dpkg-deb file desktop-file-validate appstreamcli
  local listed
  listed=$(dpkg-deb -c "$(existing_package)" | awk '$1 !~ /^d/ {print $6}' | sort)
  if [ "$listed" != "$(expected_files | sort)" ]; then
    diff <(expected_files | sort) <(echo "$listed") >&2 || true
    fail "the package's files differ from the expected ones (- expected, + packaged)"
  fi
  unpack_package
  # Matched against whole outputs, not through pipes into grep -q, so that an early exit
  # of grep never fails a check by breaking the pipe.
  grep -q '^ELF .* executable' <<<"$(file -b "$UNPACKED/usr/bin/$PKG_NAME")" ||
    fail "usr/bin/$PKG_NAME is not an executable program"
  [ -x "$UNPACKED/usr/bin/$PKG_NAME" ] || fail "usr/bin/$PKG_NAME is not executable"
  local size icon
  for size in "${kIconSizes[@]}"; do
    icon="$UNPACKED/usr/share/icons/hicolor/${size}x${size}/apps/$PKG_APP_ID.png"
    grep -q "^PNG image data, $size x $size," <<<"$(file -b "$icon")" ||
      fail "icon ${size}x${size} is not a $size x $size PNG: $(file -b "$icon")"
  done
  grep -q 'SVG' <<<"$(file -b "$UNPACKED/usr/share/icons/hicolor/scalable/apps/$PKG_APP_ID.svg")" ||
    fail "the scalable icon is not an SVG drawing"
  local language catalogue
  for language in "${kLanguages[@]}"; do
    catalogue="$UNPACKED/usr/share/$PKG_NAME/translations/${PKG_NAME}_$language.qm"
    [ -s "$catalogue" ] || fail "the $language catalogue is empty"
  done
  desktop-file-validate "$UNPACKED/usr/share/applications/$PKG_APP_ID.desktop"
  appstreamcli validate --no-net "$UNPACKED/usr/share/metainfo/$PKG_APP_ID.metainfo.xml"
}

control_field() {
  dpkg-deb -f "$(existing_package)" "$1"
}

check_control() {
  need_tools dpkg-deb
  local version
  version=$(expected_version)
  [ "$(control_field Package)" = "$PKG_NAME" ] || fail "Package is '$(control_field Package)'"
  [ "$(control_field Version)" = "$version" ] ||
    fail "Version is '$(control_field Version)', the program's version is $version"
  [ "$(control_field Section)" = "education" ] || fail "Section is '$(control_field Section)'"
  [ "$(control_field Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "Architecture is '$(control_field Architecture)'"
  grep -Eq '^[^<]+ <[^@ ]+@[^> ]+>$' <<<"$(control_field Maintainer)" ||
    fail "Maintainer '$(control_field Maintainer)' is not 'Name <address>'"
  grep -q 'worksheet' <<<"$(control_field Description | sed -n 1p)" ||
    fail "the Description's summary line does not say what the program makes"
  [ "$(control_field Description | wc -l)" -gt 1 ] || fail "the Description has no long text"
  # Qt's own dialogs and buttons speak the user's language only with Qt's catalogues.
  grep -qx 'qt6-translations-l10n' <<<"$(control_field Recommends | tr ',' '\n' | sed 's/^ *//')" ||
    fail "Recommends '$(control_field Recommends)' lacks qt6-translations-l10n"
}

# Debian package names in the Depends field, without version constraints.
dependency_names() {
  control_field Depends | tr ',' '\n' | sed -E 's/\(.*\)//; s/^ +//; s/ +$//' | grep -v '^$'
}

# The Debian package that holds each shared library the program is linked with
# (libQt6Gui.so.6 comes from libqt6gui6, libm.so.6 from libc6).
linked_library_packages() {
  local multiarch soname owner
  multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
  for soname in $(readelf -d "$1" | sed -nE 's/.*\(NEEDED\).*\[(.*)\]/\1/p'); do
    # Only this architecture's copy: libc6-i386 also holds a libc.so.6.
    owner=$(dpkg-query -S "*/$multiarch/$soname" 2>/dev/null | sed -n '1s/[:,].*//p')
    [ -n "$owner" ] || fail "no installed Debian package holds $soname"
    echo "$owner"
  done
}

# Depends must name exactly the packages of the libraries the program is linked with, the
# Qt platform plugins, which Qt loads at run time, and the fonts the windows are laid out
# for; it must name no package twice.
check_depends() {
  need_tools dpkg-deb dpkg-query dpkg-architecture readelf
  local names
  names=$(dependency_names)
  echo "Depends: $(control_field Depends)"
  [ -z "$(sort <<<"$names" | uniq -d)" ] || fail "a dependency is listed twice"
  unpack_package
  local needed
  needed=$({
    echo qt6-qpa-plugins
    echo "$kFontDependency"
    linked_library_packages "$UNPACKED/usr/bin/$PKG_NAME"
  } | sort -u)
  if [ "$(sort <<<"$names")" != "$needed" ]; then
    diff <(echo "$needed") <(sort <<<"$names") >&2 || true
    fail "Depends differs from what the program needs (- needed, + listed)"
  fi
  local name
  for name in libqt6core6 libqt6gui6 libqt6widgets6 "$kFontDependency"; do
    grep -qxF "$name" <<<"$names" || fail "Depends lacks $name"
  done
}

check_metadata() {
  need_tools dpkg-deb
  unpack_package
  local desktop="$UNPACKED/usr/share/applications/$PKG_APP_ID.desktop"
  local metainfo="$UNPACKED/usr/share/metainfo/$PKG_APP_ID.metainfo.xml"
  local version
  version=$(expected_version)
  [ "$(desktop_key "$desktop" Exec)" = "$PKG_NAME" ] ||
    fail "the desktop entry starts '$(desktop_key "$desktop" Exec)', not $PKG_NAME"
  [ "$(desktop_key "$desktop" Icon)" = "$PKG_APP_ID" ] ||
    fail "the desktop entry's Icon is '$(desktop_key "$desktop" Icon)', not $PKG_APP_ID"
  [ "$(desktop_key "$desktop" Name)" = "Tallyworth" ] || fail "the menu shows another name"
  [ "$(desktop_key "$desktop" X-Tallyworth-Version)" = "$version" ] ||
    fail "the desktop entry's version is not $version"
  grep -q "<id>$PKG_APP_ID</id>" "$metainfo" || fail "the metainfo has another id"
  grep -q "<launchable type=\"desktop-id\">$PKG_APP_ID.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $PKG_APP_ID.desktop"
  grep -Eq "<release version=\"$version\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" "$metainfo" ||
    fail "the metainfo has no dated release $version"
  grep -q "<project_license>MIT</project_license>" "$metainfo" ||
    fail "the metainfo does not state the program's licence"
  grep -q '^License: MIT$' "$UNPACKED/usr/share/doc/$PKG_NAME/copyright" ||
    fail "the copyright file does not state the program's licence"
}

# Prints the id of the program's visible main window once it shows; fails when the program
# ends first or the window does not show in time.
wait_for_main_window() {
  local pid=$1 window deadline=$((SECONDS + kStartTimeoutSeconds))
  while [ "$SECONDS" -lt "$deadline" ] && kill -0 "$pid" 2>/dev/null; do
    window=$(xdotool search --onlyvisible --name '^Tallyworth$' 2>/dev/null | sed -n 1p || true)
    if [ -n "$window" ]; then
      echo "$window"
      return 0
    fi
    sleep 0.2 # a polling interval, bounded by the deadline above
  done
  return 1
}

# A desktop ties the running window to its menu entry and icon by the window's class.
check_window_class() {
  local window=$1 class=$2
  [ -n "$class" ] || fail "the desktop entry has no StartupWMClass"
  grep -qx "$window" <<<"$(xdotool search --onlyvisible --class "^$class\$" 2>/dev/null || true)" ||
    fail "the main window's class is not the desktop entry's StartupWMClass $class"
}

# Starts the unpacked program with its desktop entry's command on the X display of this
# process and closes its main window; the program must then end by itself with status 0.
start_in_display() {
  local desktop="$UNPACKED/usr/share/applications/$PKG_APP_ID.desktop"
  local command_line
  # Field codes (%f, %U, ...) stand for files to open; the menu starts it with none.
  command_line=$(desktop_key "$desktop" Exec | sed -E 's/ ?%[a-zA-Z]//g')
  [ -n "$command_line" ] || fail "the desktop entry has no Exec command"
  export PATH="$UNPACKED/usr/bin:$PATH"
  [ "$(command -v "${command_line%% *}")" = "$UNPACKED/usr/bin/$PKG_NAME" ] ||
    fail "'$command_line' does not start the packaged program"
  # The test runner sets Qt's off-screen platform; the packaged program should find its
  # X11 platform plugin like on a desktop.
  export QT_QPA_PLATFORM=xcb
  XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tallyworth-runtime.XXXXXX")
  export XDG_RUNTIME_DIR

  local window status=0
  # shellcheck disable=SC2086 # the Exec command is split into words as a desktop would
  timeout --kill-after=5 "$kStartTimeoutSeconds" $command_line &
  PROGRAM_PID=$!
  local pid=$PROGRAM_PID
  # A failed check must not leave the program running.
  trap 'kill "$PROGRAM_PID" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
  if ! window=$(wait_for_main_window "$pid"); then
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      wait "$pid" || true
      fail "no visible window titled Tallyworth within $kStartTimeoutSeconds s"
    fi
    wait "$pid" || status=$?
    fail "the program ended with status $status before it showed its main window"
  fi
  echo "main window $window is shown"
  check_window_class "$window" "$(desktop_key "$desktop" StartupWMClass)"
  if [ "${PKG_START_GERMAN:-}" = 1 ]; then
    check_german_about "$window"
  fi
  echo "closing it"
  "$PKG_CLOSE_WINDOW" "$window"
  wait "$pid" || status=$?
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    fail "the program did not end within $kStartTimeoutSeconds s of closing its main window"
  fi
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
  echo "the program ended with status 0"
}

# In German the Help menu's About item is reached with Alt+H, B (Hilfe, Ü&ber) and opens
# the About box under its German title.
check_german_about() {
  local about="" deadline=$((SECONDS + kStartTimeoutSeconds))
  xdotool windowfocus --sync "$1"
  xdotool key alt+h
  xdotool key b
  while [ "$SECONDS" -lt "$deadline" ] && [ -z "$about" ]; do
    about=$(xdotool search --onlyvisible --name '^Über Tallyworth$' 2>/dev/null | sed -n 1p || true)
    [ -n "$about" ] || sleep 0.2 # a polling interval, bounded by the deadline above
  done
  [ -n "$about" ] || fail "Alt+H, B did not open a box titled 'Über Tallyworth'"
  echo "the About box shows its German title"
}

check_start() {
  need_tools dpkg-deb xvfb-run xauth xdotool python3 timeout
  unpack_package
  # -a picks a free display, so several test runs on one machine do not collide.
  UNPACKED="$UNPACKED" xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$0" start-in-display
}

# The user's language comes from the system's settings; LANGUAGE=de asks for German.
check_start_german() {
  need_tools dpkg-deb xvfb-run xauth xdotool python3 timeout
  unpack_package
  UNPACKED="$UNPACKED" PKG_START_GERMAN=1 LANGUAGE=de xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$0" start-in-display
}

# The system calls a systemd filter names: its groups (@name) opened, recursively.
filter_calls() {
  local entry
  for entry in "$@"; do
    if [[ "$entry" == @* ]]; then
      # shellcheck disable=SC2046 # one word a line
      filter_calls $(systemd-analyze syscall-filter "$entry" | sed -E '/^@|^ *#|^ *$/d; s/^ +//')
    else
      echo "$entry"
    fi
  done
}

# The calls the unit's SystemCallFilter= lines allow: the first lists what it allows, the
# ones after it (~) what it takes away again.
allowed_calls() {
  local unit=$1 allowed refused
  # shellcheck disable=SC2046 # a filter line's entries, one a word
  allowed=$(filter_calls $(sed -n 's/^SystemCallFilter=\([^~]\)/\1/p' "$unit") | sort -u)
  # shellcheck disable=SC2046 # a filter line's entries, one a word
  refused=$(filter_calls $(sed -n 's/^SystemCallFilter=~//p' "$unit") | sort -u)
  comm -23 <(echo "$allowed") <(echo "$refused")
}

# Execs its arguments unable to make memory both writable and executable, as the unit's
# MemoryDenyWriteExecute= has it (prctl PR_SET_MDWE, Linux 6.3 or later). Debian's python3,
# which the unprivileged user can run.
readonly kDenyWriteExecute='import ctypes, os, sys
if ctypes.CDLL(None).prctl(65, 1, 0, 0, 0) != 0:
    print("this kernel cannot deny writable code; the server runs without", file=sys.stderr)
os.execv(sys.argv[1], sys.argv[1:])'

# The server strace runs: its one child.
served_server() {
  cat "/proc/$1/task/$1/children" 2>/dev/null || true
}

# Whether PID runs (a child that ended stays a zombie until it is waited for).
still_running() {
  local state
  state=$(sed -E 's/.*\) (.).*/\1/' "/proc/$1/stat" 2>/dev/null) && [ "$state" != Z ]
}

# Stops the server as a service is stopped (SIGTERM) and waits for it a while; kills it and
# strace when it does not end.
stop_served() {
  local strace_pid=$1 server deadline=$((SECONDS + kStartTimeoutSeconds))
  server=$(served_server "$strace_pid")
  # shellcheck disable=SC2086 # no pid, or one
  kill -TERM $server 2>/dev/null || true
  while still_running "$strace_pid" && [ "$SECONDS" -lt "$deadline" ]; do
    sleep 0.1 # waiting for the server to stop, bounded by the deadline above
  done
  # shellcheck disable=SC2086 # no pid, or one
  kill -KILL "$strace_pid" $server 2>/dev/null || true
}

# Runs the packaged server as the unit runs it: the unit's environment, an unprivileged user
# with no writable place but a private /tmp, HOME the dynamic user's, no writable code.
# Asks for each of its kinds of answer through strace and stops it; writes the names of the
# system calls it made to SCRATCH/made.
record_served_calls() {
  local unit=$1 scratch=$2 environment strace_pid pid address path
  environment=$(sed -n 's/^Environment=//p' "$unit")
  grep -qx 'MemoryDenyWriteExecute=yes' "$unit" || fail "the unit lets the server write code"
  mkdir -p "$scratch/tmp"
  local as_user=()
  if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$UNPACKED"
    chown -R nobody "$scratch"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi
  coproc SERVED {
    # shellcheck disable=SC2086 # the unit's assignments, one a word
    exec "${as_user[@]}" env -i $environment HOME=/ TMPDIR="$scratch/tmp" LANG=C.UTF-8 \
      /usr/bin/python3 -c "$kDenyWriteExecute" "$(command -v strace)" \
      -f -qq -c -U name -o "$scratch/calls" "$UNPACKED/usr/bin/$PKG_NAME" --serve --listen 127.0.0.1:0
  }
  strace_pid=$SERVED_PID
  # A failed check must not leave the server running.
  trap 'kill -KILL '"$strace_pid"' $(served_server '"$strace_pid"') 2>/dev/null; rm -rf "$UNPACKED"' EXIT
  read -r -t "$kStartTimeoutSeconds" -u "${SERVED[0]}" address ||
    fail "the packaged server did not start under the unit's sandbox settings"
  for path in '' 'count?operation=x&no-trivial=1' 'worksheets.html?sheets=2' \
    'worksheets.pdf?sheets=2&answers=each'; do
    curl -sSf --max-time "$kStartTimeoutSeconds" -o /dev/null "$address$path" ||
      fail "the packaged server did not answer /$path under the unit's sandbox settings"
  done
  stop_served "$strace_pid"
  trap 'rm -rf "$UNPACKED"' EXIT
  local status=0
  wait "$strace_pid" || status=$?
  [ "$status" -eq 0 ] || fail "the packaged server ended with status $status on SIGTERM"
  sed -E '1,2d; /^-|total/d; s/^ +//' "$scratch/calls" | sort -u >"$scratch/made"
  [ -s "$scratch/made" ] || fail "strace recorded no system calls"
}

# The service's sandbox: systemd rates it OK (an exposure of 2.0 at most), its unit reads
# without a complaint, and the server it starts makes no system call its filter refuses.
check_service() {
  need_tools dpkg-deb systemd-analyze strace curl setpriv comm
  unpack_package
  local unit="$UNPACKED/usr/lib/systemd/system/$PKG_NAME-serve.service"
  systemd-analyze security --offline=yes --threshold=20 "$unit" >"$UNPACKED/security" ||
    fail "systemd rates the service's sandbox $(tail -1 "$UNPACKED/security")"
  tail -1 "$UNPACKED/security"
  # The unit as it would start the unpacked program; verify only warns, so every word fails.
  sed "s|/usr/bin/$PKG_NAME|$UNPACKED/usr/bin/$PKG_NAME|" "$unit" >"$UNPACKED/checked.service"
  local complaints
  complaints=$(systemd-analyze verify "$UNPACKED/checked.service" 2>&1) ||
    fail "systemd refuses the unit: $complaints"
  [ -z "$complaints" ] || fail "systemd complains about the unit: $complaints"
  record_served_calls "$unit" "$UNPACKED/served"
  local refused
  refused=$(comm -23 "$UNPACKED/served/made" <(allowed_calls "$unit"))
  [ -z "$refused" ] || fail "the server makes system calls the unit refuses: $refused"
  echo "the server's system calls all pass the unit's filter"
}

check_clean() {
  rm -rf "$PKG_SCRATCH"
}

case "${1:-}" in
  build) check_build ;;
  contents) check_contents ;;
  control) check_control ;;
  depends) check_depends ;;
  metadata) check_metadata ;;
  start) check_start ;;
  start_german) check_start_german ;;
  service) check_service ;;
  start-in-display) start_in_display ;;
  clean) check_clean ;;
  *) fail "usage: $0 build|contents|control|depends|metadata|start|start_german|service|clean" ;;
esac
