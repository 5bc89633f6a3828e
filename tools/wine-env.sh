# Sourced by the tools: a private Wine prefix inside the build tree and a quiet Wine.
# Never the user's ~/.wine.
BREVANT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Build trees live under BREVANT_BUILD (default build/), so several can coexist.
export BREVANT_BUILD="${BREVANT_BUILD:-$BREVANT_ROOT/build}"
# One prefix per display scale, as Wine reads the scale when a program starts:
# BREVANT_DPI (dots per inch, default 96) chooses it.
wine_prefix_for() {
  if [ "${1:-96}" = 96 ]; then echo "$BREVANT_BUILD/wineprefix"; else echo "$BREVANT_BUILD/wineprefix-$1"; fi
}
export WINEPREFIX="$(wine_prefix_for "${BREVANT_DPI:-96}")"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
# Arguments reach the program converted with the Unix locale.
export LC_ALL="${LC_ALL:-C.UTF-8}"
