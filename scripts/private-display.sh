# Sourced by the scripts that need an X display of their own: an Xvfb that
# lives until stop_private_display.

start_private_display() {
  if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is missing (package xvfb; scripts/setup installs it)" >&2
    return 1
  fi
  _display_file=$(mktemp)
  _xvfb_log=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$_display_file" 2>"$_xvfb_log" &
  _xvfb_pid=$!
  for _ in $(seq 100); do
    [[ -s "$_display_file" ]] && break
    kill -0 "$_xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ ! -s "$_display_file" ]]; then
    echo "Xvfb did not start:" >&2
    sed 's/^/  /' "$_xvfb_log" >&2
    stop_private_display
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$_display_file")"
}

stop_private_display() {
  if [[ -n "${_xvfb_pid:-}" ]]; then
    kill "$_xvfb_pid" 2>/dev/null
    wait "$_xvfb_pid" 2>/dev/null
    _xvfb_pid=
  fi
  rm -f "${_display_file:-}" "${_xvfb_log:-}"
}
