#!/bin/sh
# Checks a Debian package of Zamanix the way a user would meet it: its
# fields and files, the desktop entry and metainfo through their validators,
# the manual pages, and the programs run from the unpacked package (the
# desktop program under Xvfb, until its window shows and File > Exit ends
# it; a second start while it runs; a start by the session bus).
# Installs nothing; needs scripts/install-deps.sh package.
#   scripts/check-package.sh build/package/zamanix_<version>_<arch>.deb
set -u

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 PACKAGE.deb" >&2
    exit 2
fi
deb=$1
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
root=$work/root

passed=0
failed=0
pass() {
    passed=$((passed + 1))
    echo "ok: $1"
}
fail() {
    failed=$((failed + 1))
    echo "FAILED: $1" >&2
}
# check NAME COMMAND...: passes when the command succeeds.
check() {
    name=$1
    shift
    if "$@"; then pass "$name"; else fail "$name"; fi
}

# --- Fields -------------------------------------------------------------------
field() {
    dpkg-deb -f "$deb" "$1"
}
version=$(sed -n 's/^project(Zamanix VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
check "package name is zamanix" test "$(field Package)" = zamanix
check "version $version, the project's" test "$(field Version)" = "$version"
check "a maintainer with an address" sh -c "dpkg-deb -f '$deb' Maintainer | grep -q '<.*@.*>'"
check "a section" test -n "$(field Section)"
check "a description" test "$(field Description | wc -l)" -gt 2
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for runtime in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6dbus6 \
    libcanberra0 libcanberra-pulse sound-theme-freedesktop libx11-6 libical3 libqt6network6 \
    libqt6keychain1; do
    check "depends on $runtime" sh -c "echo '$depends' | grep -qx '$runtime'"
done

# --- Files --------------------------------------------------------------------
if ! dpkg-deb -x "$deb" "$root"; then
    fail "the package unpacks"
    echo "$passed passed, $failed failed"
    exit 1
fi
desktop_files=$(ls "$root/usr/share/applications/"*.desktop 2>/dev/null)
check "one desktop entry" test "$(echo "$desktop_files" | grep -c .)" -eq 1
id=$(basename "$desktop_files" .desktop)
echo "application id: $id"

is_program() {
    [ -x "$1" ] && file -b "$1" | grep -q '^ELF .* executable'
}
check "usr/bin/zamanix is a program" is_program "$root/usr/bin/zamanix"
check "usr/bin/zamanix-convert is a program" is_program "$root/usr/bin/zamanix-convert"
check "usr/bin/zamanix-reminders is a program" is_program "$root/usr/bin/zamanix-reminders"
check "usr/share/zamanix/Reminder.wav is a WAVE sound" \
    sh -c "file -b '$root/usr/share/zamanix/Reminder.wav' | grep -q 'WAVE audio'"
check "the metainfo has the entry's id" \
    grep -q "<id>$id</id>" "$root/usr/share/metainfo/$id.metainfo.xml"
check "the entry's icon has its id" grep -qx "Icon=$id" "$desktop_files"
# Desktops start a DBusActivatable program through the session bus, which
# finds the program in the service file of its id.
service_file=$root/usr/share/dbus-1/services/$id.service
check "the entry is DBusActivatable" grep -qx "DBusActivatable=true" "$desktop_files"
check "the bus's service file names the id" grep -qx "Name=$id" "$service_file"
check "the bus's service file starts /usr/bin/zamanix" grep -qx "Exec=/usr/bin/zamanix" "$service_file"
check "the scalable icon is an SVG picture" \
    sh -c "file -b '$root/usr/share/icons/hicolor/scalable/apps/$id.svg' | grep -q 'SVG'"
for size in 16 22 24 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    check "icon ${size}x${size} is a PNG picture of that size" \
        sh -c "file -b '$png' | grep -q '^PNG image data, $size x $size,'"
done
for page in zamanix zamanix-convert zamanix-reminders; do
    man_page=$root/usr/share/man/man1/$page.1.gz
    # groff prints nothing for a page without mistakes.
    check "manual page $page(1) formats without warnings" \
        sh -c "[ -f '$man_page' ] && [ -z \"\$(zcat '$man_page' | groff -man -ww -z -Tutf8 2>&1)\" ]"
done

# --- Validators ---------------------------------------------------------------
check "desktop-file-validate accepts the entry" desktop-file-validate "$desktop_files"
check "appstreamcli accepts the metainfo" \
    appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
# The metainfo with the files it names: its desktop entry and icons.
check "appstreamcli accepts the installed tree" appstreamcli validate-tree --no-net --strict "$root"

# --- The converter ------------------------------------------------------------
# The desktop program loads its publishing stack and Qt Print Support as
# modules, from the paths it holds relative to its own folder; each module
# with the library it stands for.
for module_library in publishing:libQt6Network printing:libQt6PrintSupport; do
    stack=${module_library%%:*}
    library=${module_library#*:}
    module=$(strings "$root/usr/bin/zamanix" | grep -o "\.\./[^ ]*/zamanix-$stack\.so" | head -n 1)
    check "the program's $stack module is where it looks (usr/bin/$module)" \
        test -f "$root/usr/bin/$module"
    check "the $stack module finds every library it needs" \
        sh -c "ldd '$root/usr/bin/$module' | grep -q $library && ! ldd '$root/usr/bin/$module' | grep -q 'not found'"
done
check "zamanix-convert converts a date" test "$("$root/usr/bin/zamanix-convert" 2000-01-01)" = \
    "Saturday 1 January 2000 = 24 Ramadhan 1420"

# --- The reminders program ---------------------------------------------------
# A reminder added to a new profile, listed, and exported as iCalendar.
reminders_profile=$work/reminders.INI
check "zamanix-reminders adds a reminder" "$root/usr/bin/zamanix-reminders" \
    --profile "$reminders_profile" add Ramadhan/27 "Visit uncle" --alarm 07:30
check "zamanix-reminders lists it" sh -c "'$root/usr/bin/zamanix-reminders' \
    --profile '$reminders_profile' list --format tsv | grep -q '^Ramadhan/27	Hijri	Visit uncle	07:30	60	'"
check "zamanix-reminders exports it" sh -c "'$root/usr/bin/zamanix-reminders' \
    --profile '$reminders_profile' export | grep -q '^SUMMARY:Visit uncle'"

# --- The desktop program ------------------------------------------------------
check "zamanix --version answers without a display" \
    sh -c "[ \"\$(env -u DISPLAY -u WAYLAND_DISPLAY '$root/usr/bin/zamanix' --version)\" = 'zamanix $version' ]"

# Runs under xvfb-run, on a session bus of its own: starts the program as a
# new user (an empty profile folder, no sound or icon except the package's),
# waits for its window, records what the window shows and what a screen
# reader gets over AT-SPI, then ends the program with File > Exit.
mkdir -p "$work/home" "$work/config" "$work/runtime" "$work/cwd"
chmod 700 "$work/runtime"
cat > "$work/session.sh" <<'EOF'
#!/bin/sh
work=$1
root=$2
accessible_tree=$3
cd "$work/cwd" || exit 1
HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
    XDG_DATA_DIRS=$root/usr/share:/usr/share QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$root/usr/bin/zamanix" > "$work/log" 2>&1 &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --classname zamanix | head -n 1)
[ -n "$window" ] || { kill "$pid"; exit 1; }
xprop -id "$window" WM_CLASS _NET_WM_NAME > "$work/properties"
xprop -id "$window" -notype 32c _NET_WM_ICON | head -c 100 >> "$work/properties"
timeout 60 "$accessible_tree" zamanix > "$work/accessible" 2> "$work/accessible.log"
# A second start while it runs shows the first and ends with status 0.
HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
    XDG_DATA_DIRS=$root/usr/share:/usr/share timeout 30 "$root/usr/bin/zamanix" \
    > "$work/second.log" 2>&1
echo $? > "$work/second-status"
xdotool search --onlyvisible --classname zamanix | wc -l > "$work/windows"
# File > Exit from the keyboard: the popup menu takes the second key.
xdotool windowfocus --sync "$window" key alt+f x
(sleep 60; kill "$pid" 2> /dev/null) &
watchdog=$!
wait "$pid"
echo $? > "$work/status"
kill "$watchdog" 2> /dev/null
exit 0
EOF
if xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- \
    sh "$work/session.sh" "$work" "$root" "$source_dir/scripts/accessible-tree.py" \
    > "$work/session.log" 2>&1; then
    pass "the window shows"
    check "the window's name is 'Untitled - Zamanix'" \
        grep -q '^_NET_WM_NAME.* = "Untitled - Zamanix"$' "$work/properties"
    # Desktops on X11 match the window to its entry by the class's first part.
    wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_files")
    check "the window's class is the entry's StartupWMClass ($wm_class)" \
        grep -q "^WM_CLASS.* = \"$wm_class\"," "$work/properties"
    check "the window carries its icon" grep -q '^_NET_WM_ICON = 16, 16,' "$work/properties"
    check "File > Exit ends the program with status 0" test "$(cat "$work/status")" = 0
    check "a second start ends with status 0" test "$(cat "$work/second-status")" = 0
    check "a second start opens no second window" test "$(cat "$work/windows")" = 1
    # What a screen reader gets: role|name|labels, one line per object.
    heard() {
        grep -Eq "$1" "$work/accessible"
    }
    not_heard() {
        ! heard "$1"
    }
    check "a screen reader hears today's date, labelled 'Today's Date:'" \
        heard "^label\|[A-Z][a-z]+day [A-Z][a-z]+ [0-9]{2}, [0-9]+ - [0-9]+ [A-Z].* [0-9]+\|Today's Date:$"
    check "a screen reader hears the corresponding date, labelled 'Corresponding Date:'" \
        heard "^label\|[0-9]+ [A-Z][a-z]+ [0-9]+\|Corresponding Date:$"
    check "a screen reader hears the month list labelled 'Month:'" heard "^combo box\|[^|]+\|Month:$"
    check "a screen reader hears the toolbar's New button as 'New'" heard "^push button\|New\|$"
    check "no button's name holds its keys" not_heard '^push button\|[^|]*\\t'
    if [ ! -s "$work/accessible" ]; then
        cat "$work/accessible.log" >&2
    fi
    # A new user's start is quiet: no warning from Qt, the sound or the
    # profile, no crash report.
    check "the program writes nothing to its output" test ! -s "$work/log"
    if [ -s "$work/log" ]; then
        head -n 20 "$work/log" >&2
    fi
else
    fail "the window shows"
    cat "$work/log" "$work/session.log" >&2
fi

# --- Started by the session bus ----------------------------------------------
# What a desktop does for a DBusActivatable entry: on a bus of its own whose
# only service file is the package's (pointed at the unpacked program), asks
# for the id with gdbus, as GLib-based desktops do, and waits for the window.
mkdir -p "$work/services" "$work/activation-config"
sed "s|^Exec=/usr/bin/zamanix\$|Exec=$root/usr/bin/zamanix|" "$service_file" \
    > "$work/services/$id.service"
cat > "$work/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=$work</listen>
  <servicedir>$work/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/>
  </policy>
</busconfig>
EOF
cat > "$work/activation.sh" <<'EOF'
#!/bin/sh
work=$1
id=$2
path=/$(echo "$id" | tr . /)
gdbus call --session --dest "$id" --object-path "$path" \
    --method org.freedesktop.Application.Activate '{}' > "$work/activate.out" 2>&1 || exit 1
window=$(timeout 60 xdotool search --sync --onlyvisible --classname zamanix | head -n 1)
[ -n "$window" ] || exit 2
xdotool windowfocus --sync "$window" key alt+f x
# The program is the bus's child: it has ended when its name is free.
for i in $(seq 1 120); do
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner "$id" | grep -q false && exit 0
    sleep 0.5
done
exit 3
EOF
HOME=$work/home XDG_CONFIG_HOME=$work/activation-config XDG_RUNTIME_DIR=$work/runtime \
    XDG_DATA_DIRS=$root/usr/share:/usr/share xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session --config-file="$work/bus.conf" -- sh "$work/activation.sh" "$work" "$id" \
    > "$work/activation.log" 2>&1
activation=$?
check "the session bus starts the program for its id, and it answers" test "$activation" -ne 1
check "the program so started shows its window" \
    sh -c "[ $activation -ne 1 ] && [ $activation -ne 2 ]"
check "File > Exit ends the program the bus started" test "$activation" -eq 0
if [ "$activation" -ne 0 ]; then
    cat "$work/activate.out" "$work/activation.log" >&2
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
