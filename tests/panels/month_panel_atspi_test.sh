#!/bin/sh
# What a screen reader gets from the month panel over the real AT-SPI bus:
# starts Zamanix under Xvfb, on a session bus of its own, as a new user whose
# profile shows the panel and holds a reminder for today, and reads the
# accessible tree with scripts/accessible-tree.py. It reads the real clock.
#   month_panel_atspi_test.sh ZAMANIX ZAMANIX_CONVERT ACCESSIBLE_TREE
# Exit status 77 (a skip) when Xvfb, the bus or pyatspi is missing.
set -eu

program=$1
convert=$2
tree=$3
for tool in xvfb-run dbus-run-session xdotool; do
    command -v "$tool" > /dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2> /dev/null ||
    { echo "skipped: python3-pyatspi is missing"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/config" "$work/runtime" "$work/home"
chmod 700 "$work/runtime"
# "Jumada al-Thani/28": today's Hijri key.
today=$("$convert" --format text --today | sed -n 's/.* = \([0-9]*\) \(.*\) -\{0,1\}[0-9]*$/\2\/\1/p')
cat > "$work/config/zamanix.INI" <<EOF
[Reminder]
$today=Call the family
[Alarm]
$today=23:59 60
[Defaults]
MonthPanel=ON
EOF

cat > "$work/session.sh" <<'EOF'
#!/bin/sh
work=$1 program=$2 tree=$3
cd "$work" || exit 1
HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" > "$work/log" 2>&1 &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --classname zamanix | head -n 1)
[ -n "$window" ] || { kill "$pid"; exit 1; }
timeout 60 /usr/bin/python3 "$tree" zamanix > "$work/accessible" 2> "$work/accessible.log"
status=$?
kill "$pid"
exit $status
EOF
if ! xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- \
    sh "$work/session.sh" "$work" "$program" "$tree" > "$work/session.log" 2>&1; then
    echo "the accessible tree could not be read:"
    cat "$work/log" "$work/session.log" "$work/accessible.log"
    exit 1
fi

failed=0
heard() {
    if grep -Eq "$2" "$work/accessible"; then
        echo "ok: $1"
    else
        echo "FAILED: $1"
        failed=1
    fi
}
heard "the grid is a table named by the month in both calendars" \
    '^table\|[A-Z][^|]* [0-9]+, [A-Z][^|]* [0-9]+\|$'
heard "its columns are headed by the weekdays" '^table column header\|Sunday\|$'
heard "today's cell says the whole day, that it is today and its reminder" \
    '^table cell\|[A-Z][a-z]+day [0-9]+ [^|]+ [0-9]+, [0-9]+ [A-Z][a-z]+ [0-9]+, today(, [^|]*)?, reminder: Call the family\|$'
heard "the buttons are named" '^push button\|Next month\|$'
days=$(grep -cE '^table cell\|[A-Z][a-z]+day [0-9]+ ' "$work/accessible" || true)
if [ "$days" -ge 29 ] && [ "$days" -le 30 ]; then
    echo "ok: every day of the Hijri month is a cell ($days)"
else
    echo "FAILED: $days day cells, not 29 or 30"
    failed=1
fi
[ "$failed" -eq 0 ] || grep -E '^table' "$work/accessible"
exit "$failed"
