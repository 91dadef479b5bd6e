# Shared helpers for the project's scripts: where things live, package set-up, the Wine environment.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

APT_PACKAGES=(
  cmake ninja-build g++ pkg-config dpkg-dev
  mingw-w64 libz-mingw-w64-dev
  libjpeg62-turbo-dev libpng-dev libgtest-dev googletest
  wine wine64 xvfb xdotool imagemagick x11-utils fonts-liberation fonts-wine zip locales
  python3 fp-utils-3.2.2 nsis
)

say() { printf '\033[1m== %s\033[0m\n' "$*"; }

# Installs whatever of the package list is missing; a machine that has them all is left alone.
ensure_packages() {
  local missing=()
  for p in "${APT_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Wine takes its code page and language from the locale: without fr_FR.UTF-8 generated, file names with
# accents are refused and the dialogs are English.
ensure_french_locale() {
  locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$' && return 0
  say "generating the fr_FR.UTF-8 locale"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
}

# The Windows builds of libjpeg and libpng come from Debian's own source packages, cross-built once.
ensure_win_deps() {
  "$ROOT/scripts/build-win-deps"
}

# Wine state of the project's own, so that nothing outside build/ is touched.
# TARVELLE_WINE_DIR gives a developer a prefix and display of their own beside the shared one.
wine_env() {
  local dir="${TARVELLE_WINE_DIR:-$BUILD/wine}"
  export WINEPREFIX="$dir/prefix"
  export HOME="$dir/home"
  export LANG=fr_FR.UTF-8
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$HOME"
}

# A virtual X display when there is none, large enough for the biggest desktop a test asks for (1920 x 1200);
# the caller kills XVFB_PID when done. One prefix has one Wine desktop on one display, so every shell that works
# with build/wine shares the display recorded beside the prefix.
XVFB_PID=""
# The shared prefix's Wine desktop, at the top left of the display.
WINE_DESKTOP_SIZE=1280x1024
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local dir="${TARVELLE_WINE_DIR:-$BUILD/wine}"
  local record="$dir/display"
  if [ -f "$record" ] && DISPLAY=$(cat "$record") xdpyinfo >/dev/null 2>&1; then
    export DISPLAY=$(cat "$record")
    return 0
  fi
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      if xdpyinfo >/dev/null 2>&1; then
        mkdir -p "$dir"
        echo "$DISPLAY" > "$record"
        return 0
      fi
      sleep 0.1
    done
  done
  echo "no X display could be started" >&2
  return 1
}

# Makes the prefix once: virtual desktop by default, Wine's Tahoma and Marlett in its font folder.
ensure_wine_prefix() {
  wine_env
  local stamp="$WINEPREFIX/.tarvelle-ready"
  if [ -f "$stamp" ]; then
    ensure_text_association
    return 0
  fi
  say "creating the Wine prefix"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$WINE_DESKTOP_SIZE" /f >/dev/null 2>&1
  # A crash prints its backtrace and ends the program instead of waiting for a click in Wine's crash dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  dpkg -L fonts-wine | grep -i -E '/(tahoma[^/]*|marlett)\.ttf$' | xargs -r -I{} cp {} "$fonts/"
  wineserver -k || true
  touch "$stamp"
  ensure_text_association
}

# A new prefix may lack the .txt association that every Windows has (text files open in Notepad); the program hands
# its rename log to the shell, and the tests look for the viewer.
ensure_text_association() {
  wine_env
  local stamp="$WINEPREFIX/.tarvelle-txt"
  [ -f "$stamp" ] && return 0
  wine reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
  wineserver -w
  touch "$stamp"
}
