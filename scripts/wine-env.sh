# Sourced by the Wine scripts: the checkout's own prefix for one architecture and a quiet,
# prompt-free Wine. VT_WINE_ARCH (32 or 64, default 32) picks the loader and the prefix.
# Each checkout has prefixes of its own (named after its path), so that a `wineserver -k` of one
# checkout's run never ends programs of another's; wine-session.sh gives a run that finds its
# checkout's prefix in use a copy of its own. VT_WINEPREFIX names a prefix outright.
# The loaders are called directly: Debian's `wine` wrapper prefers wine32 even for 64-bit
# programs, and some machines cannot run 32-bit Linux binaries at all.
VT_WINE_ARCH=${VT_WINE_ARCH:-32}
_vt_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
_vt_cache="${XDG_CACHE_HOME:-$HOME/.cache}/veltrane/$(basename "$_vt_top")-$(printf '%s' "$_vt_top" | cksum | cut -d' ' -f1)"
if [ "$VT_WINE_ARCH" = 64 ]; then
  export WINEARCH=win64
  export WINEPREFIX="${VT_WINEPREFIX:-$_vt_cache/wine64}"
  export WINELOADER=/usr/lib/wine/wine64
  export WINESERVER=/usr/lib/wine/wineserver64
else
  export WINEARCH=win32
  export WINEPREFIX="${VT_WINEPREFIX:-$_vt_cache/wine32}"
  export WINELOADER=/usr/lib/wine/wine
  export WINESERVER=/usr/lib/wine/wineserver32
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono/Gecko install dialogs, no menu entries on the host.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=}"
