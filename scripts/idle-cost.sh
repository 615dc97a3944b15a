#!/bin/sh
# What the desktop program costs while it sits idle: starts it under Xvfb
# on a private session bus, as a new user with one reminder that is not due,
# lets it settle, then counts for IDLE_SECONDS (default 120) how often its
# threads woke up (context switches of every thread, from /proc) and reads
# its resident memory at the end.
#   scripts/idle-cost.sh [PROGRAM]        default build/zamanix
# Prints "idle wake-ups per minute: N" and "resident memory: N KiB".
set -eu

program=$(realpath "${1:-build/zamanix}")
seconds=${IDLE_SECONDS:-120}
settle=${SETTLE_SECONDS:-10}
[ -x "$program" ] || { echo "idle-cost: no program at $program" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
# One reminder a year away, so that no prompt opens while we count.
cat > "$work/config/zamanix.INI" <<EOF
[Reminder]
G/1/1/2100=A memo that is not due
[Alarm]
G/1/1/2100=08:00 60
EOF

cat > "$work/session.sh" <<'EOF'
#!/bin/sh
work=$1 program=$2 seconds=$3 settle=$4
# Every switch of every thread of the program, one line a thread: each is
# a wake-up or a preemption, so their sum bounds the wake-ups from above.
switches() {
    for task in /proc/"$1"/task/*; do
        echo "${task##*/} $(tr ' ' _ < "$task/comm") $(sed -n 's/^\(non\)\{0,1\}voluntary_ctxt_switches:[[:space:]]*//p' \
            "$task/status" | awk '{ n += $1 } END { print n }')"
    done
}
# What the threads counted since `before`; a thread started since counts
# from nought, one that ended is left out.
since() {
    awk 'NR == FNR { before[$1] = $3; next } { total += $3 - before[$1] } END { print total + 0 }' "$1" "$2"
}
cd "$work" || exit 1
HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime "$program" &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --classname zamanix | head -n 1)
[ -n "$window" ] || { kill "$pid"; exit 1; }
sleep "$settle"
switches "$pid" > "$work/before"
sleep "$seconds"
switches "$pid" > "$work/after"
threads=$(ls /proc/"$pid"/task | wc -l)
rss=$(sed -n 's/^VmRSS:[[:space:]]*\([0-9]*\) kB/\1/p' /proc/"$pid"/status)
kill "$pid"
echo "threads: $threads"
# Each thread's share, so that a new wake-up can be traced to its thread.
awk 'NR == FNR { before[$1] = $3; next } { printf "  %s: %d\n", $2, $3 - before[$1] }' \
    "$work/before" "$work/after"
echo "idle wake-ups per minute: $(since "$work/before" "$work/after" | awk -v s="$seconds" '{ printf "%.1f", $1 * 60 / s }')"
echo "resident memory: $rss KiB"
EOF
xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- \
    sh "$work/session.sh" "$work" "$program" "$seconds" "$settle"
