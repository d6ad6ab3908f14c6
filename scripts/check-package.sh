#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what desktops and package managers read: validates the desktop entry, the AppStream metainfo and the
# manual pages, builds the Debian package as a distribution would, runs lintian on it, installs it into a scratch
# root with dpkg and runs the programs found there, and looks at the installed window's picture strip.
#   scripts/check-package.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:?usage: scripts/check-package.sh BUILD_DIR}")
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT

desktop-file-validate res/plenta.desktop
appstreamcli validate --no-net "$build/res/org.plenta.Plenta.metainfo.xml"
for page in "$build"/res/man/*.1; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
done

package=$(bash scripts/build-package.sh "$build/package")
depends=$(dpkg-deb -f "$package" Depends)
echo "$(basename "$package"): Depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    grep -q "$library" <<<"$depends" || { echo "Depends lacks $library"; exit 1; }
done

# Errors and warnings fail; the information tags that remain are judged in docs/using-plenta.md.
status=0
lintian --fail-on error,warning --display-info "$package" >"$scratch/lintian.log" 2>/dev/null || status=$?
cat "$scratch/lintian.log"
if [ "$status" -ne 0 ] || grep -q '^[EW]: ' "$scratch/lintian.log"; then
    echo "lintian reports errors or warnings"
    exit 1
fi

# dpkg installs into a root of its own: a database of one package, whose libraries come from the host.
root="$scratch/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends --force-not-root --force-script-chrootless -i "$package" >"$scratch/dpkg.log" 2>&1 ||
    { cat "$scratch/dpkg.log"; exit 1; }
dpkg --root="$root" -L plenta | grep -qx /usr/share/plenta/plenta.gif || { echo "dpkg lists no picture"; exit 1; }

version=$(sed -n 's/^project(Plenta VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/plenta" --version |
    grep -qx "plenta $version" || { echo "the installed plenta does not say version $version"; exit 1; }
"$root/usr/bin/plenta-journal" --version | grep -qx "plenta-journal $version" ||
    { echo "the installed plenta-journal does not say version $version"; exit 1; }
# The tool paints its chart through a helper program in libexec: the installed pair must find each other.
printf 'Tag,Temperatur,Attribut,Kommentar\r\n2026/12/01,36.5,1,\r\n' >"$scratch/plenta.txt"
PLENTA_ROOT="$scratch/device" QT_QPA_PLATFORM=offscreen "$root/usr/bin/plenta-journal" \
    --journal "$scratch/plenta.txt" --today 2026-12-07 chart --out "$scratch/chart.png" 2>"$scratch/chart.err" &&
    [ -s "$scratch/chart.png" ] || { echo "the installed plenta-journal cannot paint its chart"; exit 1; }
[ ! -s "$scratch/chart.err" ] || { echo "the installed chart wrote to stderr:"; cat "$scratch/chart.err"; exit 1; }
for file in usr/share/applications/plenta.desktop usr/share/metainfo/org.plenta.Plenta.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/plenta.svg usr/share/icons/hicolor/256x256/apps/plenta.png \
    usr/share/man/man1/plenta.1.gz usr/share/man/man1/plenta-journal.1.gz usr/share/doc/plenta/copyright; do
    [ -f "$root/$file" ] || { echo "the package lacks /$file"; exit 1; }
done

# The installed window on a private X server: the strip under its chart shows the shipped night sky (navy), not
# the placeholder's white ruled paper.
grab="$build/tests/e2e/plenta-e2e-grab"

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"
mkdir -p "$scratch/device"
PLENTA_ROOT="$scratch/device" QT_QPA_PLATFORM=xcb "$root/usr/bin/plenta" --zoom 1 >/dev/null 2>&1 &
window=$(xdotool search --sync --onlyvisible --name '^Plenta$' | head -1)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
# The strip's top rows (window rows 206 to 229 at zoom 1): the picture's sky.
"$grab" "$scratch/strip.ppm" "240x24+$X+$((Y + 206))" 2>/dev/null
navy=$(python3 -c '
import sys
data = open(sys.argv[1], "rb").read()
fields = data.split(maxsplit=4)
pixels = fields[4]
print(sum(1 for i in range(0, len(pixels), 3) if pixels[i:i + 3] == bytes((0, 0, 128))))' "$scratch/strip.ppm")
echo "installed window: $navy of 5760 strip pixels navy"
[ "$navy" -gt 2000 ] || { echo "the installed window does not show the shipped picture"; exit 1; }
echo "package checks passed"
