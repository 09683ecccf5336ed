#!/bin/sh
# Takes the README's screenshots of the main window under a virtual X server,
# before and after a reckoning. Usage: docs/take-screenshots.sh PATH/TO/Guheng
set -eu
program=${1:?usage: take-screenshots.sh PATH/TO/Guheng}
docs=$(cd "$(dirname "$0")" && pwd)
display=:71

Xvfb $display -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
sleep 1
# A plain desktop colour, so the window's rounded corners and tab gaps show.
desktop=$(mktemp --suffix=.png)
convert -size 640x480 xc:'#8a949e' "$desktop"
display -window root "$desktop" || true
rm -f "$desktop"

"$program" >/dev/null 2>&1 &
guheng=$!
sleep 3
window=$(xdotool search --name '^Guheng$' | tail -1)
eval "$(xdotool getwindowgeometry --shell "$window")"

type_into() { # x y text: click a field and type
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    xdotool type --delay 40 "$3"
}
grab() { # name
    import -window root -crop 313x251+$((X - 8))+$((Y - 8)) +repage "$docs/$1"
}

type_into 90 176 "王小墨"
type_into 115 190 "1988"
type_into 155 190 "8"
type_into 186 190 "16"
type_into 84 204 "14"
xdotool mousemove $((X + 150)) $((Y + 8))
sleep 0.3
grab screenshot-entry.png
xdotool mousemove $((X + 20)) $((Y + 226)) click 1
xdotool mousemove $((X + 150)) $((Y + 8))
sleep 3
grab screenshot-result.png
kill $guheng
