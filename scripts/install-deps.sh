#!/bin/sh
# Installs the Debian packages that building, testing or benchmarking
# Zamanix needs, and only those that are missing. Safe to run again.
#   scripts/install-deps.sh [build|bench|fuzz|package|screenshot|all]
set -eu

# Besides what the program is built from, what its tests use: Qt Svg to
# compare the scalable icon with the drawing, a private session bus, a sound
# server with its recorder, compiled locales that name dates otherwise, and
# the validator of desktop entries (the autostart entry).
# libical-dev: the iCalendar export; python3-icalendar and khal read it back
# in the tests. Xvfb, xdotool, the accessibility bus and pyatspi: the month
# panel read as a screen reader reads it. Qt Network and QtKeychain:
# publishing to a CalDAV calendar; radicale, python3-caldav and openssl (the
# HTTPS server's certificate), gnome-keyring, libsecret-1-0 and dbus-bin (a
# keyring for the password): its tests. Qt's translation tools (lupdate,
# lrelease, and CMake's Qt6LinguistTools in qt6-tools-dev) build the
# translations, and Qt's own translations of its dialogs come with
# qt6-translations-l10n.
build_packages="cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev qt6-base-dev qt6-svg-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n libicu-dev libx11-dev libcanberra-dev libfontconfig-dev libcanberra-pulse sound-theme-freedesktop dbus-daemon pulseaudio pulseaudio-utils locales-all libical-dev python3-icalendar khal xvfb xauth xdotool at-spi2-core python3-pyatspi desktop-file-utils qtkeychain-qt6-dev radicale python3-caldav openssl gnome-keyring libsecret-1-0 dbus-bin"
# libxdamage-dev: the start-up benchmark sees a window's first paint as the X
# server's damage report, under a Xvfb of its own.
bench_packages="libbenchmark-dev pkg-config libxdamage-dev xvfb"
# libFuzzer and the sanitizer runtimes come with libclang-rt-dev, which clang
# only recommends.
fuzz_packages="clang libclang-rt-dev"
# The Debian package (dpkg-shlibdeps and dpkg-buildflags come with dpkg-dev,
# CPack looks at the programs with file) and its checks: the validators, the
# manual pages' formatter, Xvfb with tools to find and drive the window, and
# the accessibility bus with a client to read what a screen reader gets, and
# gdbus to ask the session bus for the program as desktops do.
package_packages="dpkg-dev file appstream groff-base xvfb xauth xdotool x11-utils at-spi2-core python3-pyatspi libglib2.0-bin"
# scripts/screenshot.sh: the window under Xvfb, taken with ImageMagick.
screenshot_packages="xvfb xauth xdotool imagemagick"

case "${1:-build}" in
    build) wanted="$build_packages" ;;
    bench) wanted="$build_packages $bench_packages" ;;
    fuzz) wanted="$build_packages $fuzz_packages" ;;
    package) wanted="$build_packages $package_packages" ;;
    screenshot) wanted="$build_packages $screenshot_packages" ;;
    all) wanted="$build_packages $bench_packages $fuzz_packages $package_packages $screenshot_packages" ;;
    *) echo "usage: $0 [build|bench|fuzz|package|screenshot|all]" >&2; exit 2 ;;
esac

missing=""
for package in $wanted; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *" installed") ;;
        *) missing="$missing $package" ;;
    esac
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "install-deps: these packages are missing and neither root nor sudo is available:$missing" >&2
    exit 1
fi

echo "install-deps: installing$missing"
$as_root apt-get update -q
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -q --no-install-recommends $missing
