#!/bin/sh
# Takes a picture of Zamanix's main window for the README: starts the
# program under Xvfb as a new user (a profile of its own holding one
# reminder, with the month panel shown), shows today's reminder with View,
# and saves the window as PNG, in the language of LOCALE (ar_SA.UTF-8 for the
# Arabic program; default: English).
#   scripts/screenshot.sh [PROGRAM] [OUTPUT.png] [LOCALE]
# defaults: build/zamanix and docs/zamanix.png (make screenshot).
set -eu

program=$(realpath "${1:-build/zamanix}")
output=$(realpath -m "${2:-docs/zamanix.png}")
locale=${3:-C.UTF-8}
[ -x "$program" ] || { echo "screenshot: no program at $program" >&2; exit 1; }
mkdir -p "$(dirname "$output")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
# A memo for today in the Hijri calendar, which the form starts in; its alarm
# is late in the day, so no prompt covers the window.
hijri_today=$(LC_ALL=C LANGUAGE= "$(dirname "$program")/zamanix-convert" --format text --today 2>/dev/null |
    sed -n 's/.* = \([0-9]*\) \(.*\) -\{0,1\}[0-9]*$/\2\/\1/p')
cat > "$work/config/zamanix.INI" <<EOF
[Reminder]
$hijri_today=Call the family; buy dates for the evening
[Alarm]
$hijri_today=23:59 60
[Defaults]
MonthPanel=ON
EOF

cat > "$work/session.sh" <<'EOF'
#!/bin/sh
work=$1 program=$2 output=$3 locale=$4
cd "$work" || exit 1
HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime LC_ALL=$locale LANGUAGE= \
    "$program" &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --classname zamanix | head -n 1)
[ -n "$window" ] || { kill "$pid"; exit 1; }
# View (Enter) loads the memo of the date shown; give the window a moment to
# paint before taking it.
xdotool windowfocus --sync "$window" key Return
sleep 1
import -window "$window" "$output"
status=$?
kill "$pid"
exit $status
EOF
xvfb-run -a -s "-screen 0 1024x768x24" sh "$work/session.sh" "$work" "$program" "$output" "$locale"
echo "screenshot: $output"
