# Sourced by the scripts that need an X display of their own, which lives
# until stop_private_display: an Xvfb, or for two monitors an Xorg.

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
# its work area: the primary's at the bottom, the second's at the top. They
# are two outputs of the X server's dummy video driver, placed through RandR,
# where Wine 8 and Wine 10 both read the monitors (Wine 10 takes their places
# from RandR alone: on Xinerama heads it puts every monitor at the primary's).
# Wine reads the work areas from the root window, which keeps them (-noreset)
# once xprop has disconnected. The server is told to take no input device:
# on a desktop it would otherwise take the real keyboard and mouse.
start_two_monitor_display() {
  local tool
  for tool in Xorg:xserver-xorg-core xrandr:x11-xserver-utils xprop:x11-utils; do
    if ! command -v "${tool%%:*}" >/dev/null; then
      echo "${tool%%:*} is missing (package ${tool#*:}; scripts/setup installs it)" >&2
      return 1
    fi
  done
  if [[ ! -f /usr/lib/xorg/modules/drivers/dummy_drv.so ]]; then
    echo "the X server's dummy driver is missing (package xserver-xorg-video-dummy;" \
      "scripts/setup installs it)" >&2
    return 1
  fi
  _x_folder=$(mktemp -d)
  cat >"$_x_folder/dummy.conf" <<'CONFIG'
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 16384
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 1440 600
  EndSubSection
EndSection
CONFIG
  _x_pids=()
  if ! _start_x_server "Xorg (two monitors)" Xorg -noreset \
    -config "$_x_folder/dummy.conf" -configdir "$_x_folder" -logfile "$_x_folder/Xorg.log"; then
    stop_private_display
    return 1
  fi
  export DISPLAY=":$_x_display"
  if ! xrandr --addmode DUMMY1 640x480 ||
    ! xrandr --output DUMMY0 --primary --mode 800x600 --pos 640x0 \
      --output DUMMY1 --mode 640x480 --pos 0x0; then
    echo "xrandr could not place the two monitors on $DISPLAY" >&2
    stop_private_display
    return 1
  fi
  # Asking has the server probe its outputs again: Wine reads them without a
  # probe, and would find the second one as it was before, disconnected.
  local monitors
  monitors=$(xrandr --listmonitors)
  if [[ $(head -n 1 <<<"$monitors") != "Monitors: 2" ]]; then
    echo "xrandr placed the two monitors, but $DISPLAY shows:" >&2
    sed 's/^/  /' <<<"$monitors" >&2
    stop_private_display
    return 1
  fi
  if ! xprop -root -f _NET_SUPPORTED 32a -set _NET_SUPPORTED _GTK_WORKAREAS_D0 ||
    ! xprop -root -f _GTK_WORKAREAS_D0 32cccccccc \
      -set _GTK_WORKAREAS_D0 "640, 0, 800, 560, 0, 40, 640, 440"; then
    echo "xprop could not set the monitors' work areas on $DISPLAY" >&2
    stop_private_display
    return 1
  fi
}

stop_private_display() {
  local pid
  for pid in ${_x_pids[@]+"${_x_pids[@]}"}; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  _x_pids=()
  [[ -n ${_x_folder:-} ]] && rm -rf "$_x_folder"
  _x_folder=
}
