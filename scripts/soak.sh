#!/usr/bin/env bash
# A long unattended night: scripts/soak.sh [minutes] (default 30). Not part of CI.
#
# Runs the program under Xvfb, connected to the simulated camera and monitoring the
# simulated sky with the real clock running, while xdotool moves the mouse over the
# image, double-clicks, and switches zoom, style and language through the menus.
# Reports resident memory at start and end, and every warning and critical line.
# Build tree: build/ (or $ORVANTA_BUILD_DIR); the run's files stay in a /tmp folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ORVANTA_BUILD_DIR:-$root/build}"
minutes="${1:-30}"

"$root/scripts/install-deps.sh"
if ! command -v xdotool >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends xdotool
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${ORVANTA_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build" --target orvanta_soak -j"$(nproc)"

work="$(mktemp -d /tmp/orvanta-soak.XXXXXX)"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME/Documents" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_GSTREAMER_PLAYBIN_AUDIOSINK=fakesink
unset QT_QPA_PLATFORM TAVRINSIM_NO_PANEL

display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1600x1000x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

"$build/tests/orvanta_soak" "$minutes" "$work" >"$work/stdout.log" 2>"$work/stderr.log" &
app_pid=$!
for _ in $(seq 300); do
    grep -q "SOAK READY" "$work/stdout.log" 2>/dev/null && break
    kill -0 "$app_pid" 2>/dev/null || { echo "soak: the program ended early"; cat "$work/stderr.log"; exit 1; }
    sleep 0.1
done

rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status" 2>/dev/null || true; }
echo "minute,vmrss_kb" >"$work/rss.csv"

# The main window is the biggest top-level window of the program.
main_window() {
    xdotool search --pid "$app_pid" --onlyvisible --name "Orvanta" 2>/dev/null | head -n 1
}

# Menus by keyboard: Alt opens the menu bar, Right walks to the menu, Down to the entry.
# Menu bar: File, Device, Tools, Zoom, Language, Help.
menu() { # <menus to the right of File> <entries down>
    local win
    win="$(main_window)"
    [ -n "$win" ] || return 0
    xdotool windowfocus --sync "$win" 2>/dev/null || true
    xdotool key --delay 60 Escape Escape alt
    sleep 0.2
    [ "$1" -gt 0 ] && xdotool key --delay 60 $(printf 'Right %.0s' $(seq "$1"))
    xdotool key --delay 60 Down
    [ "$2" -gt 0 ] && xdotool key --delay 60 $(printf 'Down %.0s' $(seq "$2"))
    xdotool key Return
}

# Any message box a double click raised ("Warn" when no star is under the pointer).
# Keys go through XTEST to the focused window: Qt ignores synthetic key events.
answer_boxes() {
    local box
    for box in $(xdotool search --pid "$app_pid" --onlyvisible --name '^(Warn|Info|Error|Question)$' 2>/dev/null); do
        xdotool windowfocus --sync "$box" 2>/dev/null || true
        xdotool key Return 2>/dev/null || true
        boxes=$((boxes + 1))
    done
}

sleep 20 # past start-up caches
rss_start="$(rss)"
echo "0,$rss_start" >>"$work/rss.csv"
start=$(date +%s)
tick=0
rss_end="$rss_start"
language=0
boxes=0
switches=0
clicks=0
while kill -0 "$app_pid" 2>/dev/null; do
    tick=$((tick + 1))
    xdotool mousemove $((200 + RANDOM % 1000)) $((60 + RANDOM % 800)) 2>/dev/null || true
    case $((tick % 60)) in
        5)  menu 3 $(((tick / 60 + 1) % 3))       # Zoom: 75%, 50%, 100%, ...
            switches=$((switches + 1)) ;;
        25) menu 2 0                              # Tools: Mono Style on/off (its first shown entry)
            switches=$((switches + 1)) ;;
        45) language=$(((language + 1) % 10))
            menu 4 "$language"                    # Language: the next one
            switches=$((switches + 1)) ;;
        15 | 35 | 55)
            xdotool click --repeat 2 --delay 80 1 2>/dev/null || true
            clicks=$((clicks + 1))
            sleep 0.5 ;;
    esac
    answer_boxes
    if [ $((tick % 10)) -eq 0 ]; then
        now="$(rss)"
        [ -n "$now" ] && rss_end="$now"
        [ -n "$now" ] && [ $((tick % 60)) -eq 0 ] && echo "$(( ($(date +%s) - start) / 60 )),$now" >>"$work/rss.csv"
    fi
    sleep 1
done
wait "$app_pid" && status=0 || status=$?
app_pid=""

log="$(find "$HOME/Documents/Orvanta/Log" -type f 2>/dev/null | head -n 1)"
[ -n "$log" ] || log=/dev/null # nothing logged at all
echo "soak: $minutes minutes, exit status $status, files in $work"
echo "$tick pointer moves, $clicks double clicks, $boxes message boxes answered, $switches zoom/style/language switches"
echo "$(( ($(date +%s) - start) / 60 )),$rss_end" >>"$work/rss.csv"
echo "VmRSS at start: $rss_start kB, at end: $rss_end kB, highest: $(tail -n +2 "$work/rss.csv" | cut -d, -f2 | sort -n | tail -n 1) kB"
echo "Critical lines in the log: $(grep -c 'Critical' "$log" || true)"
grep 'Critical' "$log" 2>/dev/null | sed 's/^[0-9/: ]*//' | sort | uniq -c | sort -rn | head -n 20 || true
echo "Warnings: $(grep -c '^Warning' "$work/stderr.log" || true)"
grep '^Warning' "$work/stderr.log" | sort | uniq -c | sort -rn | head -n 20 || true
echo "Settings written on close:"
cat "$work/Orvanta.ini" 2>/dev/null || echo "(none)"
exit "$status"
