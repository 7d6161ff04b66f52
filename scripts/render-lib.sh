# Sourced by the scripts that draw themes with vttheme.exe under Wine (gallery.sh, guide-pictures.sh).
#   render_setup WORKDIR   finds (or builds) vttheme.exe and a Wine session: VT_WINE_SESSION when it
#                          names a running one (as in the tests), else one of its own in WORKDIR,
#                          stopped by render_cleanup
#   render_theme THEME PNG [OPTIONS]   vttheme render with Z: paths; prints what it said, without
#                          Wine's noise; its exit status is vttheme's (0 when the runner says it passed)
winpath() { echo "Z:$(echo "$1" | sed 's|/|\\|g')"; }

render_setup() {
  export XDG_CACHE_HOME=${XDG_CACHE_HOME:-$HOME/.cache}
  render_arch=$(bash "$top/scripts/wine-arch.sh")
  render_vttheme=$top/build/win$render_arch/tools/vttheme/vttheme.exe
  [ -f "$render_vttheme" ] || bash "$top/scripts/build.sh" "win$render_arch" >/dev/null
  render_own_session=
  render_session=${VT_WINE_SESSION:-}
  if [ -z "$render_session" ]; then
    render_own_session=$1/session.env
    bash "$top/scripts/wine-session.sh" start "$render_own_session" "$render_arch" >/dev/null
    render_session=$render_own_session
  fi
}

render_cleanup() {
  [ -n "${render_own_session:-}" ] && bash "$top/scripts/wine-session.sh" stop "$render_own_session" >/dev/null 2>&1
  return 0
}

render_theme() {
  local theme=$1 png=$2 said status=0
  shift 2
  said=$(bash "$top/scripts/wine-run.sh" --arch "$render_arch" --console --session "$render_session" --timeout 60 \
         "$render_vttheme" render "$(winpath "$theme")" "$(winpath "$png")" "$@" 2>&1) || status=$?
  printf '%s\n' "$said" | tr -d '\r' | grep -v -e '^wine-run' -e 'fixme:' -e '^$' || true
  return $status
}
