# Sourced by the tools: a private Wine prefix inside the build tree and a quiet Wine.
# Never the user's ~/.wine.
BREVANT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Build trees live under BREVANT_BUILD (default build/), so several can coexist.
export BREVANT_BUILD="${BREVANT_BUILD:-$BREVANT_ROOT/build}"
export WINEPREFIX="$BREVANT_BUILD/wineprefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
# Arguments reach the program converted with the Unix locale.
export LC_ALL="${LC_ALL:-C.UTF-8}"
