#!/bin/sh
# Runs a command on a session bus of its own (dbus-run-session) on which a
# GNOME keyring of its own answers as the Secret Service, unlocked, in
# folders of its own; the keyring and the folders go when the command ends.
# Exits with the command's status.
#   with_keyring.sh COMMAND [ARGS...]
set -eu
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 0700 "$home/runtime"
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime"
dbus-run-session -- sh -c '
    printf "keyring password" |
        gnome-keyring-daemon --foreground --unlock --components=secrets >/dev/null 2>&1 &
    keyring=$!
    tries=0
    until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null |
            grep -q "boolean true"; do
        tries=$((tries + 1))
        if [ "$tries" -gt 300 ]; then
            echo "with_keyring: the keyring did not start" >&2
            kill "$keyring"
            exit 1
        fi
        sleep 0.1
    done
    status=0
    "$@" || status=$?
    kill "$keyring"
    wait "$keyring" || true
    exit "$status"' with_keyring "$@"
