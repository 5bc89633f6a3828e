# Shared by tools/run, tools/test and .ci/run: install what is missing, a private
# X display, a private Wine prefix.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

BREVANT_PACKAGES=(cmake ninja-build g++ googletest libgtest-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64
  xvfb x11-utils imagemagick locales python3
  clang libclang-rt-14-dev
  # The faces the windows ask for ("MS Sans Serif", the message font): Wine
  # recommends them, and without them it draws wider fallbacks.
  fonts-liberation fonts-wine
  # What Windows falls back to where a face lacks a character: Chinese,
  # Japanese and Korean, symbols, Hebrew and Arabic (see link_fallback_fonts).
  fonts-wqy-microhei fonts-symbola fonts-dejavu-core
  # X libraries Wine loads when present (also recommended, not required):
  # rendered text, monitors and their scale, cursors, input.
  libxrender1 libxrandr2 libxinerama1 libxcursor1 libxi6 libxfixes3 libxcomposite1 libxxf86vm1)
# Display scales (dots per inch) some tests run at besides 96 (tests/wine/CMakeLists.txt).
BREVANT_TEST_DPIS=(144 192)
# The windows' tests run once more with the visual style off (tests/wine/CMakeLists.txt).
BREVANT_TEST_THEMES=(classic)
# Regional settings the tests run the program under.
BREVANT_LOCALES=(en_US.UTF-8 en_GB.UTF-8 de_DE.UTF-8 fi_FI.UTF-8 ko_KR.UTF-8)

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
  local missing=()
  for p in "${BREVANT_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  local have want=()
  have="$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')"
  for l in "${BREVANT_LOCALES[@]}"; do
    local norm
    norm="$(echo "$l" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')"
    grep -qx "$norm" <<<"$have" || want+=("$l")
  done
  if [ ${#want[@]} -gt 0 ]; then
    for l in "${want[@]}"; do
      grep -q "^$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    done
    as_root locale-gen >/dev/null
  fi
}

# Starts Xvfb on the first free display number and exports DISPLAY.
start_xvfb() {
  local n=${1:-90}
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  BREVANT_XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 100); do
    xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

stop_xvfb() {
  [ -n "${BREVANT_XVFB_PID:-}" ] && kill "$BREVANT_XVFB_PID" 2>/dev/null
  BREVANT_XVFB_PID=
}

# Creates the private prefix of a display scale (dots per inch) and a look
# (themed or classic; default $BREVANT_THEME, else themed), unless it is there.
create_wine_prefix() {
  local -x WINEPREFIX
  WINEPREFIX="$(wine_prefix_for "$1" "${2:-}")"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i
    # Without a window manager Wine would wait for one on every hide or destroy.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    # Wine reads the scale when a program starts.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f
    # A new prefix has Wine's own theme on. The classic look has none, and the
    # classic colours, which Wine keeps aside while the theme has its own.
    if [ "${2:-${BREVANT_THEME:-themed}}" = classic ]; then
      local manager='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
      wine reg add "$manager" /v ThemeActive /d 0 /f
      wine reg copy "$manager\Control Panel\Colors" 'HKCU\Control Panel\Colors' /f
    fi
    wineserver -w
  fi
  # Wine draws the caption buttons of the windows it frames itself with the
  # symbols of the Marlett font. Debian's Wine looks for its own fonts in a
  # folder that does not exist (its data folder, /usr/share/wine, plus
  # "../fonts"), so it never finds fonts-wine's marlett.ttf and draws the
  # symbols' letters (0 1 r) in another face. The prefix's own font folder is
  # always searched. Only Marlett goes there: the windows' faces stay those the
  # tests are measured with (check_fonts).
  local marlett=/usr/share/wine/fonts/marlett.ttf fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f "$marlett" ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    cp "$marlett" "$fonts/"
  fi
}

# Windows falls back to other fonts where a face lacks a character; Wine does
# so only where the prefix says. Labels draw through font links (GDI): the
# faces the windows are drawn with (Liberation Sans, for "MS Sans Serif" and
# the message font) get the fonts for Chinese, Japanese, Korean and symbols.
# Edit controls draw through Uniscribe, whose fallback font is chosen per
# script (keyed by the script's OpenType tag in hexadecimal: hani, kana,
# hang, latn, hebr, arab). Prefixes made before this function are mended.
link_fallback_fonts() {
  grep -q '^"Liberation Sans"=' "$WINEPREFIX/system.reg" 2>/dev/null && return 0
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v "Liberation Sans" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei\0Symbola_hint.ttf,Symbola' /f
  local tag face
  for tag in 696e6168:"WenQuanYi Micro Hei" 616e616b:"WenQuanYi Micro Hei" 676e6168:"WenQuanYi Micro Hei" \
             6e74616c:Symbola 72626568:"DejaVu Sans" 62617261:"DejaVu Sans"; do
    face=${tag#*:}
    wine reg add 'HKCU\Software\Wine\Uniscribe\Fallback' /v "${tag%%:*}" /d "$face" /f
  done
}

# Makes the prefix of a display scale (default: $BREVANT_DPI, else 96 dots
# per inch) and a look (default: $BREVANT_THEME, else themed) ready, and keeps
# one wineserver alive for it for the run.
prepare_wine() {
  local dpi=${1:-${BREVANT_DPI:-96}} theme=${2:-${BREVANT_THEME:-themed}}
  local -x WINEPREFIX
  WINEPREFIX="$(wine_prefix_for "$dpi" "$theme")"
  local log
  log="$BREVANT_BUILD/wine-prepare-$(basename "$WINEPREFIX").log"
  mkdir -p "$BREVANT_BUILD"
  { create_wine_prefix "$dpi" "$theme" && link_fallback_fonts; } >"$log" 2>&1
  # A wineserver already running for the prefix (another run of the tools) is
  # shared and left to the run that started it.
  if wineserver -p 2>>"$log"; then BREVANT_WINESERVERS_STARTED+=("$WINEPREFIX"); fi
  # The first program started brings up Wine's own background processes, which
  # live as long as the wineserver. Start them here, detached from any pipe a
  # test runner would otherwise wait on for ever.
  if ! wine cmd /c exit </dev/null >>"$log" 2>&1; then
    {
      echo "Wine cannot run a program in $WINEPREFIX ($(wine --version 2>/dev/null)); what it said:"
      cat "$log"
      WINEDEBUG=err+all,fixme-all wine cmd /c exit </dev/null 2>&1 | tail -40
    } >&2
    return 1
  fi
}

stop_wine() {
  local prefix
  for prefix in "${BREVANT_WINESERVERS_STARTED[@]}"; do
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  done
  BREVANT_WINESERVERS_STARTED=()
}
BREVANT_WINESERVERS_STARTED=()

# Checks that Wine draws the windows' faces with the fonts the tests and
# pictures were measured with (tools/font-check.c). Prints one line naming what
# is missing when not; returns non-zero then. Needs prepare_wine first.
check_fonts() {
  local exe="$BREVANT_BUILD/font-check.exe" source="$BREVANT_ROOT/tools/font-check.c"
  if [ ! -f "$exe" ] || [ "$source" -nt "$exe" ]; then
    x86_64-w64-mingw32-gcc -O2 -s -static -Wall -Wextra -o "$exe" "$source" -lgdi32 -lusp10
  fi
  local verdict
  verdict="$(wine "$exe" </dev/null 2>&1)" && return 0
  echo "${verdict:-font-check.exe ended without a word}" >&2
  return 1
}

configure_and_build() {
  local preset=$1
  local dir="$BREVANT_BUILD/$preset"
  local log="$BREVANT_BUILD/$preset-build.log"
  mkdir -p "$BREVANT_BUILD"
  { cmake --preset "$preset" -B "$dir" && cmake --build "$dir"; } >"$log" 2>&1 || {
    grep -E -A5 'error|Error|FAILED' "$log" | head -80 >&2
    echo "Build of preset $preset failed; full log: $log" >&2
    return 1
  }
}

# Runs one build tree's tests; only the summary and the failures are printed.
run_tests() {
  local preset=$1; shift
  ctest --test-dir "$BREVANT_BUILD/$preset" --output-on-failure --timeout 300 "$@" |
    LC_ALL=C grep -avE '^ *(Start +[0-9]+|[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed)'
}
