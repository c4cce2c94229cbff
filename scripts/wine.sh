# Sourced by the scripts that start Wine. Wine runs a build in a prefix of its
# own architecture: win32 for the 32-bit programs, win64 for the 64-bit ones.
# Each architecture has its own loader, named here, never guessed by a wrapper.

wine_loader_win32=/usr/lib/wine/wine
wine_loader_win64=/usr/lib/wine/wine64

# Prints why this machine cannot run 32-bit Windows programs, or nothing if
# it can. The answer is one started: in a 32-bit prefix of its own, made once
# in the build tree, cmd.exe must run and exit with the code it is given.
# Where the kernel cannot start 32-bit programs at all, the 32-bit loader, a
# 32-bit Linux program itself, is refused with "Exec format error". Where it
# starts but a call 32-bit Wine needs is blocked (a container's seccomp
# profile, say), the program does not run, and Wine's own words say why. (A
# loader that is missing, or fails for any other reason, is a fault that
# wine_use reports.)
wine32_refusal() {
  local answer
  if ! answer=$(LC_ALL=C "$wine_loader_win32" --version 2>&1); then
    if [[ $answer == *"Exec format error"* ]]; then
      echo "this kernel cannot start 32-bit programs ($wine_loader_win32: Exec format error)"
    fi
    return
  fi
  local scripts prefix log
  scripts=$(dirname "${BASH_SOURCE[0]}")
  prefix=$scripts/../build/wine32-probe
  log=$(mktemp)
  (
    "$scripts/wine-prefix" win32 "$prefix" && wine_use win32 "$prefix" || exit
    env -u DISPLAY "$WINELOADER" cmd /c exit 42
    status=$?
    wineserver -k 2>/dev/null
    [[ $status -eq 42 ]] || { echo "cmd.exe ended with $status, not 42"; exit 1; }
  ) >"$log" 2>&1 ||
    echo "32-bit Wine starts, but cannot run a 32-bit Windows program here:" \
      "$(tail -n 5 "$log" | tr '\n' ' ' | sed 's/ *$//')"
  rm -f "$log"
}

# The preset whose programs run here: the 32-bit one, what users get,
# wherever 32-bit Windows programs run; the 64-bit one elsewhere. Given
# wine32_refusal's answer, it does not ask again.
# Usage: wine_runnable_preset [REFUSAL]
wine_runnable_preset() {
  if [[ -n ${1-$(wine32_refusal)} ]]; then echo windows64; else echo windows; fi
}

# The version of the Wine that runs win32 or win64 programs, as "8.0".
wine_version() {
  local loader_variable=wine_loader_$1
  LC_ALL=C "${!loader_variable}" --version 2>&1 | sed -n 's/^wine-\([0-9][0-9.]*\).*/\1/p'
}

# Where the approved images of the main window are for the Wine that runs
# win32 or win64 programs: versions of Wine draw the frame differently.
wine_approved_images() {
  echo "$(dirname "${BASH_SOURCE[0]}")/../tests/approved/wine-$(wine_version "$1")"
}

# The Wine architecture a preset's programs run in.
wine_arch_of() {
  case $1 in
    windows) echo win32 ;;
    windows64) echo win64 ;;
    *)
      echo "wine: no Windows build is called '$1' (windows or windows64)" >&2
      return 1
      ;;
  esac
}

# Sets up the environment for Wine of one architecture in one prefix.
# Usage: wine_use win32|win64 PREFIX
wine_use() {
  local arch=$1
  case $arch in
    win32 | win64) ;;
    *)
      echo "wine: unknown architecture '$arch' (win32 or win64)" >&2
      return 1
      ;;
  esac
  local loader_variable=wine_loader_$arch package=wine64
  [[ $arch == win32 ]] && package=wine32:i386
  export WINEARCH=$arch WINELOADER=${!loader_variable} WINEDEBUG=${WINEDEBUG:--all}
  export WINEPREFIX
  WINEPREFIX=$(realpath -m "$2")
  if [[ ! -x $WINELOADER ]]; then
    echo "wine: $WINELOADER is missing: package $package is not installed (scripts/setup installs it)" >&2
    return 1
  fi
  local answer
  if ! answer=$(LC_ALL=C "$WINELOADER" --version 2>&1); then
    # Without the shell's own "script: line N:" in front.
    echo "wine: $WINELOADER does not start, so $arch programs cannot run here:" \
      "$(sed 's/^.*: line [0-9]*: //' <<<"$answer")" >&2
    return 1
  fi
}

# The loader of the architecture wine_use chose.
wine() { "$WINELOADER" "$@"; }
