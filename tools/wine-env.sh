# Sourced by the tools: a private Wine prefix inside the build tree and a quiet Wine.
# Never the user's ~/.wine.
BREVANT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Build trees live under BREVANT_BUILD (default build/), so several can coexist.
export BREVANT_BUILD="${BREVANT_BUILD:-$BREVANT_ROOT/build}"
# One prefix per display scale, as Wine reads the scale when a program starts:
# BREVANT_DPI (dots per inch, default 96) chooses it. And one per look:
# BREVANT_THEME=classic chooses a prefix with the visual style switched off, as
# Windows' classic and high-contrast schemes have it; by default (themed) Wine's
# own theme is on, as a new prefix has it.
wine_prefix_for() {
  local dpi=${1:-96} theme=${2:-${BREVANT_THEME:-themed}} name=wineprefix
  [ "$dpi" = 96 ] || name+="-$dpi"
  [ "$theme" = classic ] && name+="-classic"
  echo "$BREVANT_BUILD/$name"
}
export WINEPREFIX="$(wine_prefix_for "${BREVANT_DPI:-96}")"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
# Arguments reach the program converted with the Unix locale.
export LC_ALL="${LC_ALL:-C.UTF-8}"
