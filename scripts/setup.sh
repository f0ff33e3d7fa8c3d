#!/usr/bin/env bash
# Installs every Debian package that the build, the tests, the screenshots and the demo need.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

packages=(
  # toolchain and test frameworks
  build-essential cmake ninja-build pkg-config git ccache
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # Qt 6 Widgets and Test
  qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev qt6-qpa-plugins
  # database engines: embedded SQLite, SQL Server through unixODBC and FreeTDS,
  # and the SQLite ODBC driver the ODBC engine is tested against
  libsqlite3-dev sqlite3 unixodbc unixodbc-dev tdsodbc freetds-common libsqliteodbc
  # JPEG through the IJG API
  libjpeg62-turbo-dev
  # tones through the desktop sound system
  libpulse-dev
  # the X bell and keyboard groups; opening documents in their associated program
  libx11-dev xdg-utils
  # fonts with Persian glyphs; fonts-wine has a Tahoma with Tahoma's metrics and Arabic letters
  fonts-noto-core fonts-dejavu-core fonts-wine
  # headless screenshots and the demo without a display; a window manager for the form's test
  xvfb xauth x11-utils openbox
  # the icons of file types: Debian's default icon theme (the MIME database is above)
  adwaita-icon-theme
  # sanitizer runtime
  libclang-rt-14-dev
  # the formatting check
  clang-format
  # the compiler of the fuzz harnesses (libFuzzer comes with its runtime above)
  clang-14
  # desktop entries, MIME packages, default applications, user folders and the time zones
  # the registry and shell stand-ins write and read, and the tools their tests check them with
  desktop-file-utils shared-mime-info xdg-utils xdg-user-dirs tzdata
  # the Debian package: its library dependencies (dpkg-shlibdeps) and the validators of the
  # package and of its AppStream metadata
  dpkg-dev lintian appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: every package is installed"
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "setup: installing ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
