#!/usr/bin/env bash
# CI check of the Debian package: builds it, checks its control fields and contents, runs the
# freedesktop, AppStream and Debian validators, unpacks it into a temporary root (nothing is
# installed) and runs the unpacked launcher there offscreen on a demo farm in a temporary farm
# folder: the working table is created at start-up, and one animal is looked up through the
# selection form on that farm.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() { echo "check_package: $*" >&2; exit 1; }

deb=$(bash scripts/package.sh | tail -n 1)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)
[ "$(basename "$deb")" = "cowselect_${version}_amd64.deb" ] || fail "unexpected file name $deb"
echo "check_package: $deb"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = cowselect ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), the project's $version"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is $(field Architecture)"
depends=$(field Depends)
for needed in tdsodbc unixodbc qt6-qpa-plugins fonts-noto-core xdg-utils libqt6widgets6 \
  libodbc2 libsqlite3-0; do
  grep -Eq "(^|[ ,|])$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
if grep -Eq -- '-dev( |,|$)|build-essential|cmake|googletest' <<<"$depends"; then
  fail "Depends names a build-only package: $depends"
fi

# Contents and modes.
contents=$(dpkg-deb -c "$deb")
for path in usr/bin/cowselect usr/lib/cowselect/CowSelect usr/lib/cowselect/cowselect-setup \
  usr/lib/cowselect/Create.List usr/share/applications/org.cowselect.CowSelect.desktop \
  usr/share/icons/hicolor/scalable/apps/cowselect.svg \
  usr/share/icons/hicolor/48x48/apps/cowselect.png \
  usr/share/metainfo/org.cowselect.CowSelect.metainfo.xml usr/share/man/man1/cowselect.1.gz \
  usr/share/doc/cowselect/copyright usr/share/doc/cowselect/changelog.gz; do
  grep -q " \./$path\$" <<<"$contents" || fail "the package lacks /$path"
done
for program in usr/bin/cowselect usr/lib/cowselect/CowSelect usr/lib/cowselect/cowselect-setup; do
  grep -q "^-rwxr-xr-x root/root .* \./$program\$" <<<"$contents" || fail "/$program is not 0755 root"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"

# The validators.
desktop-file-validate "$root/usr/share/applications/org.cowselect.CowSelect.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.cowselect.CowSelect.metainfo.xml"
lintian --fail-on error,warning "$deb"

# The launcher's own answers.
[ "$("$root/usr/bin/cowselect" --version)" = "cowselect $version" ] || fail "--version"
if "$root/usr/bin/cowselect" --no-such-option 2>/dev/null; then fail "a wrong option was taken"; fi

export QT_QPA_PLATFORM=offscreen HOME=$work/home XDG_DATA_HOME=$work/data
mkdir -p "$HOME"

# A program folder without settings still ends at once, with exit code 0.
mkdir "$work/program"
cp "$root/usr/lib/cowselect/CowSelect" "$root/usr/lib/cowselect/Create.List" "$work/program/"
timeout 60 "$work/program/CowSelect" || fail "a program folder without settings did not end with 0"

# The demo farm through the unpacked launcher: laid out in the user's demo farm folder (here
# under the temporary XDG_DATA_HOME), the working table created at start-up.
farm=$XDG_DATA_HOME/cowselect-demo
"$root/usr/bin/cowselect" --demo >"$work/program.log" 2>&1 &
pid=$!
database=$farm/farm/DemoFarm.db
table_count() {
  sqlite3 "$database" "SELECT count(*) FROM sqlite_master WHERE name = '2Tarvex'" 2>/dev/null || echo 0
}
for _ in $(seq 240); do
  [ "$(table_count)" = 1 ] && break
  kill -0 "$pid" 2>/dev/null || { cat "$work/program.log"; fail "the program ended early"; }
  sleep 0.5
done
[ "$(table_count)" = 1 ] || { cat "$work/program.log"; fail "the working table was not created"; }
sleep 1
kill -0 "$pid" 2>/dev/null || { cat "$work/program.log"; fail "the program ended after start-up"; }
kill "$pid"
wait "$pid" || true
[ -e "$farm/Create.List" ] && [ -e "$farm/WTimes.DLL" ] && [ -d "$farm/T4V" ] ||
  fail "the farm folder lacks Create.List, WTimes.DLL or T4V"
[ "$(stat -c %a "$farm/WTimes.DLL")" = 600 ] || fail "WTimes.DLL is not owner-only"
[ ! -e "$root/usr/lib/cowselect/T4V" ] || fail "the program wrote into its own folder"

# One lookup through the selection form on the same farm folder.
cmake --build --preset default --target farm_demo_shot >/dev/null
build/default/app/farm_demo_shot "$farm" "$work/form.png" 3 >/dev/null
rows=$(sqlite3 "$database" 'SELECT count(*) FROM "2Tarvex"')
[ "$rows" -ge 1 ] || fail "the lookup of body number 3 added no row"
echo "check_package: the package is sound ($rows row(s) in the working list after the lookup)"
