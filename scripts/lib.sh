# shellcheck shell=bash
# lib.sh: what the scripts share.  Source it from the top of the repository:
#
#     cd "$(dirname "$0")/.."
#     source scripts/lib.sh
#
#   tornwick_install PACKAGE...      installs with apt-get whichever are missing
#   tornwick_locales ENTRY...        generates whichever locales are missing
#   tornwick_install_wine32          installs Wine for 32-bit programs (i386)
#   tornwick_configure TREE          configures build/TREE (native, asan, windows, windows32)
#   tornwick_start_display           makes DISPLAY name a running X server
#   tornwick_new_display FIRST LAST [WxH]  starts Xvfb on a free display of its own
#   tornwick_stop_display            stops the Xvfb one of those two started
#   tornwick_wine PREFIX PROGRAM...  runs a Windows program under Wine in PREFIX
#   tornwick_prepare_prefix PREFIX   creates the Wine prefix, once
#   tornwick_test_prefix PREFIX      ... and sets it up for driving windows
#   tornwick_wine_fonts PREFIX       ... and gives it Wine's own fonts
#   tornwick_junit_counts FILE       "PASSED FAILED SKIPPED" of a ctest JUnit file

TORNWICK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

tornwick_install() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
      missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" = 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

# Debian's Wine for 32-bit programs, wine32, is of the i386 architecture,
# which dpkg then has to take beside the machine's own.  Should the install
# fail (an i386 index the mirror cannot give, say), an architecture this
# added is taken away again, so that apt-get update does not keep failing on
# it.
tornwick_install_wine32() {
  local sudo=() added=false
  [ "$(id -u)" = 0 ] || sudo=(sudo)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding the i386 architecture to dpkg, for wine32"
    "${sudo[@]}" dpkg --add-architecture i386
    added=true
  fi
  tornwick_install wine32:i386 && return 0
  if $added; then
    echo "Could not install wine32: taking the i386 architecture away again" >&2
    "${sudo[@]}" dpkg --remove-architecture i386
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null || true
  fi
  return 1
}

# Generates the locales, named as /etc/locale.gen lists them ("ja_JP.UTF-8
# UTF-8"), that the system lacks, with the locales package's locale-gen.
tornwick_locales() {
  local missing=() entry name
  for entry in "$@"; do
    name=${entry%% *}
    locale -a 2>/dev/null | grep -qix "${name%%.*}.utf8" || missing+=("$entry")
  done
  ((${#missing[@]})) || return 0
  echo "Generating locales: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" = 0 ] || sudo=(sudo)
  for entry in "${missing[@]}"; do
    if grep -q "^# *$entry\$" /etc/locale.gen; then
      "${sudo[@]}" sed -i "s/^# *$entry\$/$entry/" /etc/locale.gen
    elif ! grep -q "^$entry\$" /etc/locale.gen; then
      echo "$entry" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    fi
  done
  "${sudo[@]}" locale-gen
}

# The build trees differ only in these settings.  windows32 builds the 32-bit
# package and no tests: the tests run in windows, on the same sources.
tornwick_configure() {
  local tree=$1 args
  case $tree in
    native)    args=() ;;
    asan)      args=(-DTORNWICK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug) ;;
    windows)   args=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake) ;;
    windows32) args=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DBUILD_TESTING=OFF) ;;
    *) echo "unknown build tree: $tree" >&2; return 2 ;;
  esac
  cmake -S . -B "build/$tree" -Wno-dev "${args[@]}" >/dev/null
}

TORNWICK_XVFB=

# Keeps a display that answers; otherwise starts Xvfb on one of 90 to 99.
tornwick_start_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  tornwick_new_display 90 99
}

# Starts Xvfb on the first free display from FIRST to LAST, with a screen of
# WxH pixels (1280x1024 unless given), and exports DISPLAY; TORNWICK_XVFB
# holds its process id.
tornwick_new_display() {
  local n screen=${3:-1280x1024}
  for n in $(seq "$1" "$2"); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
    TORNWICK_XVFB=$!
    export DISPLAY=":$n"
    local _
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
  done
  echo "no free X display from :$1 to :$2" >&2
  return 1
}

tornwick_stop_display() {
  [ -z "$TORNWICK_XVFB" ] || kill "$TORNWICK_XVFB" 2>/dev/null || true
  TORNWICK_XVFB=
}

# scripts/wine-run holds Wine's settings, since CMake runs the Windows test
# programs through it too.
tornwick_wine() {
  "$TORNWICK_ROOT/scripts/wine-run" "$@"
}

# Creating a prefix takes Wine a while; later calls find it made.  Waits until
# Wine has finished, so that no two programs ever set up one prefix at once.
tornwick_prepare_prefix() {
  local prefix=$1
  if [ ! -f "$prefix/system.reg" ]; then
    tornwick_wine "$prefix" wineboot -i </dev/null >/dev/null 2>&1
  fi
  WINEPREFIX=$prefix wineserver -w
}

# A virtual desktop, and crashes that end the program instead of asking.
tornwick_test_prefix() {
  tornwick_prepare_prefix "$1"
  "$TORNWICK_ROOT/tests/ui/wine-test-prefix" "$1"
}

# Debian's Wine does not load the fonts of its own fonts-wine package: without
# them the dialog font is Liberation Sans, labels are cut short and the close
# box shows the letter "r".  With them a window looks as Wine users see it.
tornwick_wine_fonts() {
  tornwick_prepare_prefix "$1"
  cp /usr/share/wine/fonts/*.ttf "$1/drive_c/windows/Fonts/"
}

# Counts the test cases of a JUnit file written by ctest --output-junit.
tornwick_junit_counts() {
  python3 - "$1" <<'EOF'
import sys
import xml.etree.ElementTree as ElementTree

root = ElementTree.parse(sys.argv[1]).getroot()
suites = [root] if root.tag == "testsuite" else root.iter("testsuite")
tests = failed = skipped = 0
for suite in suites:
    tests += int(suite.get("tests", 0))
    failed += int(suite.get("failures", 0)) + int(suite.get("errors", 0))
    skipped += int(suite.get("skipped", 0)) + int(suite.get("disabled", 0))
print(tests - failed - skipped, failed, skipped)
EOF
}
