#!/usr/bin/env bash
# Checks what desktops and package managers read: validates the desktop entry and the AppStream metainfo,
# builds the Debian package from a finished build folder, unpacks it into a scratch root and runs the
# programs found there.   scripts/check-package.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:?usage: scripts/check-package.sh BUILD_DIR}")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

desktop-file-validate res/plenta.desktop
appstreamcli validate --no-net res/org.plenta.Plenta.metainfo.xml
for page in res/man/*.1; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
done

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" ||
    { cat "$scratch/cpack.log"; exit 1; }
package=$(ls "$scratch"/out/plenta_*.deb)
depends=$(dpkg-deb -f "$package" Depends)
echo "$(basename "$package"): Depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    grep -q "$library" <<<"$depends" || { echo "Depends lacks $library"; exit 1; }
done

dpkg -x "$package" "$scratch/root"
version=$(sed -n 's/^project(Plenta VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$scratch/root/usr/bin/plenta" --version |
    grep -qx "plenta $version" || { echo "the packaged plenta does not say version $version"; exit 1; }
"$scratch/root/usr/bin/plenta-journal" --version | grep -qx "plenta-journal $version" ||
    { echo "the packaged plenta-journal does not say version $version"; exit 1; }
# The tool paints its chart through a helper program in libexec: the packaged pair must find each other.
printf 'Tag,Temperatur,Attribut,Kommentar\r\n2026/12/01,36.5,1,\r\n' >"$scratch/plenta.txt"
QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/plenta-journal" --journal "$scratch/plenta.txt" \
    --today 2026-12-07 chart --out "$scratch/chart.png" >/dev/null &&
    [ -s "$scratch/chart.png" ] || { echo "the packaged plenta-journal cannot paint its chart"; exit 1; }
grep -q "<release version=\"$version\"" res/org.plenta.Plenta.metainfo.xml ||
    { echo "the metainfo names no release $version"; exit 1; }
for file in usr/share/applications/plenta.desktop usr/share/metainfo/org.plenta.Plenta.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/plenta.svg usr/share/icons/hicolor/256x256/apps/plenta.png \
    usr/share/man/man1/plenta.1 usr/share/man/man1/plenta-journal.1; do
    [ -f "$scratch/root/$file" ] || { echo "the package lacks /$file"; exit 1; }
done
echo "package checks passed"
