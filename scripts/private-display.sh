# Sourced by the scripts that need an X display of their own: an Xvfb, and
# for two monitors a nested server on it, that live until stop_private_display.

# Starts an X server that names its display on descriptor 3, and waits for
# that name. Usage: _start_x_server NAME COMMAND...  (sets _x_display)
_start_x_server() {
  local name=$1 display_file log
  shift
  display_file=$(mktemp)
  log=$(mktemp)
  "$@" -displayfd 3 -nolisten tcp 3>"$display_file" 2>"$log" &
  _x_pids+=("$!")
  for _ in $(seq 100); do
    [[ -s "$display_file" ]] && break
    kill -0 "${_x_pids[-1]}" 2>/dev/null || break
    sleep 0.1
  done
  _x_display=$(head -n 1 "$display_file")
  if [[ -z $_x_display ]]; then
    echo "$name did not start:" >&2
    sed 's/^/  /' "$log" >&2
  fi
  rm -f "$display_file" "$log"
  [[ -n $_x_display ]]
}

start_private_display() {
  if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is missing (package xvfb; scripts/setup installs it)" >&2
    return 1
  fi
  _x_pids=()
  _start_x_server Xvfb Xvfb -screen 0 1024x768x24 || { stop_private_display; return 1; }
  export DISPLAY=":$_x_display"
}

# Two monitors as Windows shows them: the primary, 800x600, and left of it
# (at negative x) a second one, 640x480, each with a taskbar's strip cut from
# its work area: the primary's at the bottom, the second's at the top. Xvfb
# puts every Xinerama head at 0,0; Xephyr, nested in it, places them. Wine
# takes head 0 as the primary, and reads the work areas from the root
# window, which keeps them (-noreset) once xprop has disconnected.
start_two_monitor_display() {
  local tool
  for tool in Xephyr:xserver-xephyr xprop:x11-utils; do
    if ! command -v "${tool%%:*}" >/dev/null; then
      echo "${tool%%:*} is missing (package ${tool#*:}; scripts/setup installs it)" >&2
      return 1
    fi
  done
  start_private_display || return 1
  if ! _start_x_server "Xephyr (two monitors)" Xephyr -noreset +xinerama \
    -origin 640,0 -screen 800x600 -origin 0,0 -screen 640x480; then
    stop_private_display
    return 1
  fi
  export DISPLAY=":$_x_display"
  if ! xprop -root -f _NET_SUPPORTED 32a -set _NET_SUPPORTED _GTK_WORKAREAS_D0 ||
    ! xprop -root -f _GTK_WORKAREAS_D0 32cccccccc \
      -set _GTK_WORKAREAS_D0 "640, 0, 800, 560, 0, 40, 640, 440"; then
    echo "xprop could not set the monitors' work areas on $DISPLAY" >&2
    stop_private_display
    return 1
  fi
}

# The nested server first, then the one it draws on.
stop_private_display() {
  local i
  for ((i = ${#_x_pids[@]} - 1; i >= 0; i--)); do
    kill "${_x_pids[i]}" 2>/dev/null
    wait "${_x_pids[i]}" 2>/dev/null
  done
  _x_pids=()
}
