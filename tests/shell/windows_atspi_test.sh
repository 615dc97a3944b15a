#!/bin/sh
# What a screen reader hears from Zamanix's windows over the real AT-SPI
# bus: starts Zamanix under Xvfb, on a session bus of its own, with a
# reminder missed yesterday and one due today, and checks with
# windows_atspi.py the Missed Reminders dialog, the announcement of Add, the
# All Reminders window and the prompt's description; and with xprop that
# Missed Reminders is a transient window of the main window. It reads the
# real clock and waits for the first tick of the minute timer.
#   windows_atspi_test.sh ZAMANIX WINDOWS_ATSPI_PY
# Exit status 77 (a skip) when Xvfb, the bus, xdotool, xprop or pyatspi is
# missing.
set -eu

program=$1
script=$2
for tool in xvfb-run dbus-run-session xdotool xprop; do
    command -v "$tool" > /dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2> /dev/null ||
    { echo "skipped: python3-pyatspi is missing"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/config" "$work/runtime" "$work/home"
chmod 700 "$work/runtime"
memo="Take the pills with water"
# Checked last yesterday at midnight: yesterday's reminder at noon was missed.
yesterday=$(LC_ALL=C date -d yesterday +%B/%d)
today=$(LC_ALL=C date +%B/%d)
cat > "$work/config/zamanix.INI" <<INI
[Reminder]
$yesterday=Call the garage
$today=$memo
[Alarm]
$yesterday=12:00 60
$today=00:00 60
[Defaults]
LastCheck=$(date -d 'yesterday 00:00' +%s)
INI

cat > "$work/session.sh" <<'EOF2'
#!/bin/sh
work=$1 program=$2 script=$3 memo=$4
cd "$work" || exit 1
HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" > "$work/log" 2>&1 &
pid=$!
missed=$(timeout 60 xdotool search --sync --onlyvisible --name '^Missed Reminders' | head -n 1)
if [ -n "$missed" ]; then
    xprop -id "$missed" WM_TRANSIENT_FOR _NET_WM_WINDOW_TYPE > "$work/transient"
fi
timeout 150 /usr/bin/python3 "$script" "$memo" > "$work/heard" 2> "$work/heard.log"
status=$?
kill "$pid"
exit $status
EOF2
status=0
xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- \
    sh "$work/session.sh" "$work" "$program" "$script" "$memo" > "$work/session.log" 2>&1 ||
    status=$?
cat "$work/heard" 2> /dev/null || true
if grep -q 'WM_TRANSIENT_FOR(WINDOW): window id # 0x' "$work/transient" 2> /dev/null; then
    echo "ok: Missed Reminders is a transient window of the main window"
else
    echo "FAILED: Missed Reminders is no transient window:"
    cat "$work/transient" 2> /dev/null || true
    status=1
fi
if [ "$status" -ne 0 ]; then
    cat "$work/log" "$work/session.log" "$work/heard.log" 2> /dev/null || true
    exit 1
fi
exit 0
