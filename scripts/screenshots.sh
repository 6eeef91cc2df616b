#!/usr/bin/env bash
# Regenerates docs/screenshots: every window the program opens, on the demo carrier's data,
# under a virtual X display.
#
#   scripts/screenshots.sh [release|dev]
#
# Takes the build of the preset given (else release, else dev; builds release when neither
# exists) and runs the program from a scratch copy of its program directory: a build into
# build/*/bin fails while a window program holds the engine's files there.
set -euo pipefail

shots=(splash quote-window single-shipment terminal-information fak accessorial-charges
  city-lookup service-map rate-sheet rate-sheet-options rate-sheet-discounts)

# Inside the virtual display: drives the program from the copy in $2 and writes one PNG per
# window into $3.
if [ "${1:-}" = "--inside" ]; then
  program=$2
  out=$3
  unset QT_QPA_PLATFORM
  export LC_ALL=C.UTF-8

  # The id of the visible window whose title matches, once it is there.
  window() {
    local id=""
    for _ in $(seq 100); do
      id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1) || true
      [ -n "$id" ] && break
      sleep 0.1
    done
    [ -n "$id" ] || { echo "screenshots: no window '$1' appeared" >&2; return 1; }
    echo "$id"
  }
  gone() {
    for _ in $(seq 100); do
      xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
      sleep 0.1
    done
    echo "screenshots: window '$1' stayed open" >&2
    return 1
  }
  # Lets the window paint, then takes its client area and menu bar.
  shoot() {
    sleep 0.5
    import -window "$1" "png:$out/$2.png"
    echo "  $2.png"
  }
  keys() {
    local id=$1
    shift
    xdotool windowfocus --sync "$id"
    for k in "$@"; do
      xdotool key "$k"
      sleep 0.3
    done
  }
  typed() {
    xdotool windowfocus --sync "$1"
    xdotool type --delay 60 "$2"
  }

  "$program/tarvex" >"$out/tarvex.log" 2>&1 &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT

  # The splash stays three seconds.
  splash=$(window '^[^-]+$')
  shoot "$splash" splash
  main=$(window ' - Effective: ')

  # The look-up answers while the focus is in a code field, as it is on start.
  keys "$main" ctrl+l
  w=$(window '^ZIP/Postal Code Look-Up$')
  typed "$w" sav
  keys "$w" Tab
  shoot "$w" city-lookup
  keys "$w" alt+c
  gone '^ZIP/Postal Code Look-Up$'

  # Kansas City to Atlanta, class 85, 1,200 lb; not a single shipment.
  typed "$main" 64120
  keys "$main" Return
  typed "$main" 30303
  keys "$main" Tab
  question=$(window '^Single Shipment$')
  shoot "$question" single-shipment
  keys "$question" n
  gone '^Single Shipment$'
  keys "$main" ctrl+a
  typed "$main" 85
  keys "$main" Tab
  typed "$main" 1200
  keys "$main" Return
  shoot "$main" quote-window

  keys "$main" alt+v t
  w=$(window '^Terminal Information$')
  shoot "$w" terminal-information
  keys "$w" alt+c
  gone '^Terminal Information$'

  keys "$main" alt+e f
  w=$(window '^FAK$')
  shoot "$w" fak
  keys "$w" alt+c
  gone '^FAK$'

  keys "$main" alt+e a
  w=$(window '^Accessorial Charges$')
  shoot "$w" accessorial-charges
  keys "$w" alt+c
  gone '^Accessorial Charges$'

  keys "$main" alt+v m
  w=$(window '^Service Map$')
  shoot "$w" service-map
  keys "$w" space
  gone '^Service Map$'

  # A rate sheet from Kansas City to every US prefix and Ontario's areas: Enter in the empty
  # third low box ends the pairs, and Enter on the selection buttons ticks all.
  keys "$main" alt+f r
  w=$(window ' - Rate Sheet$')
  typed "$w" 64120
  keys "$w" Return Tab Tab
  typed "$w" us
  keys "$w" Tab
  typed "$w" k0a
  keys "$w" Tab
  typed "$w" p9z
  keys "$w" Return Return Return Return
  shoot "$w" rate-sheet
  keys "$w" alt+o
  o=$(window '^Rate Sheet Options$')
  shoot "$o" rate-sheet-options
  keys "$o" Tab Tab Tab Tab Return
  gone '^Rate Sheet Options$'
  # From the headline box back past Close and Reset to Discounts.
  keys "$w" shift+Tab shift+Tab shift+Tab Return
  d=$(window '^Discounts$')
  shoot "$d" rate-sheet-discounts
  keys "$d" alt+c
  gone '^Discounts$'
  keys "$w" alt+x
  gone ' - Rate Sheet$'

  keys "$main" alt+f x
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  exit 0
fi

cd "$(dirname "$0")/.."

missing=()
command -v xvfb-run >/dev/null || missing+=(xvfb)
command -v xdotool >/dev/null || missing+=(xdotool)
command -v import >/dev/null || missing+=(imagemagick)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

preset=${1:-}
if [ -z "$preset" ]; then
  preset=release
  [ ! -x build/release/bin/tarvex ] && [ -x build/dev/bin/tarvex ] && preset=dev
fi
if [ ! -x "build/$preset/bin/tarvex" ]; then
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tarvex-screenshots.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/program" "$scratch/out"
# The program directory without its lock files.
find "build/$preset/bin" -maxdepth 1 -type f ! -name '.*' -exec cp {} "$scratch/program/" \;

echo "Screenshots of the $preset build:"
if ! xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$scratch/program" "$scratch/out"; then
  echo "screenshots: the program's output:" >&2
  cat "$scratch/out/tarvex.log" >&2 || true
  exit 1
fi
# Only a complete set replaces the pictures in the docs.
for shot in "${shots[@]}"; do
  [ -s "$scratch/out/$shot.png" ] || { echo "screenshots: $shot.png is missing" >&2; exit 1; }
done
mkdir -p docs/screenshots
for shot in "${shots[@]}"; do cp "$scratch/out/$shot.png" docs/screenshots/; done
echo "Written to docs/screenshots."
