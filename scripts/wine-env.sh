# Sourced by the Wine scripts: the project's own 32-bit prefix and quiet, prompt-free Wine.
export WINEARCH=win32
export WINEPREFIX="${VT_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/veltrane/wine32}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono/Gecko install dialogs, no menu entries on the host.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=}"
