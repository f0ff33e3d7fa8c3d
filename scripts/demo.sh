#!/usr/bin/env bash
# The demo: installs what is missing, builds the program, writes a demo program folder
# (demo/program: the program, "Create.List" and a "WTimes.DLL" pointing at the embedded demo
# server) with a demo farm of about 1,000 animals beside it (demo/farm/DemoFarm.db), and starts
# the program there. Without a display it runs under a virtual display instead and saves a
# picture of the form with a few animals typed in.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default
cmake --build --preset default --target CowSelect farm_demo farm_wtimes farm_demo_shot

# The folder and the farm are made anew on every run; the same seed gives the same farm.
rm -rf demo/program
cmake --install build/default --prefix demo/program --component program
build/default/app/farm_demo demo/farm DemoFarm --animals 1000 --seed 1
# The server folder is taken from the program folder: demo/program/../farm.
build/default/app/farm_wtimes demo/program "sqlite:../farm" DemoFarm sa ""

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  picture=demo/SelectForm.png
  echo "demo: there is no display (DISPLAY and WAYLAND_DISPLAY are empty);"
  echo "demo: running the program under a virtual display (xvfb-run) and typing the body"
  echo "demo: numbers 3, 12 and 37; the picture of the form is saved to $picture"
  xvfb-run -a build/default/app/farm_demo_shot demo/program "$picture" 3 12 37
  echo "demo: saved $picture"
else
  echo "demo: starting demo/program/CowSelect on demo/farm/DemoFarm.db"
  exec demo/program/CowSelect
fi
