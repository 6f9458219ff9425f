#!/usr/bin/env bash
# Builds the Debian package from a configured build folder into a temporary folder and checks
# it as Debian's tools and a desktop would: every file in place, every archive member root's,
# lintian, the desktop entry, the AppStream metainfo, the man page, the icons, and the build id
# of the built program kept in the stripped one. (scripts/reproducible.sh proves the released
# package the same bytes from any folder at any time.)
# Usage: package_contents.sh <build-folder> <source-folder> <program>
set -u
usage="usage: package_contents.sh <build-folder> <source-folder> <program>"
build=${1:?$usage}
source_dir=${2:?$usage}
program=${3:?$usage}
source "$source_dir/tests/e2e/e2e_lib.sh"

e2e_require_tools cpack dpkg-deb lintian desktop-file-validate appstreamcli groff rsvg-convert \
    ar tar readelf
e2e_private_environment

readonly ID=example.starwell.LumoSoulUrgeNumber
cpack -G DEB -B "$E2E_WORK/out" --config "$build/CPackConfig.cmake" >"$E2E_WORK/cpack.log" 2>&1 ||
    e2e_fail "cpack failed"
deb=$(ls "$E2E_WORK"/out/lumo-soul-urge-number_1.65-1_*.deb 2>/dev/null)
[[ -f $deb ]] || e2e_fail "no lumo-soul-urge-number_1.65-1_<arch>.deb in $(ls "$E2E_WORK/out")"

# Every file the package must install.
dpkg-deb --contents "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$E2E_WORK/contents"
expected=(
    /usr/bin/lumo-soul-urge-number
    "/usr/share/applications/$ID.desktop"
    "/usr/share/metainfo/$ID.metainfo.xml"
    "/usr/share/icons/hicolor/scalable/apps/$ID.svg"
    /usr/share/man/man1/lumo-soul-urge-number.1.gz
    /usr/share/doc/lumo-soul-urge-number/copyright
    /usr/share/doc/lumo-soul-urge-number/changelog.Debian.gz
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x$size/apps/$ID.png")
done
for file in "${expected[@]}"; do
    grep -qxF "$file" "$E2E_WORK/contents" || e2e_fail "the package lacks $file"
done

# Every member of the package's ar archive and of both its tar archives is owned by root (user
# and group 0), whoever built it.
dpkg-deb --fsys-tarfile "$deb" >"$E2E_WORK/data.tar" || e2e_fail "no data.tar in the package"
dpkg-deb --ctrl-tarfile "$deb" >"$E2E_WORK/control.tar" || e2e_fail "no control.tar in the package"
for archive in data.tar control.tar; do
    tar -tv --numeric-owner -f "$E2E_WORK/$archive" >"$E2E_WORK/$archive.txt" ||
        e2e_fail "$archive is no tar archive"
    [[ -s $E2E_WORK/$archive.txt ]] || e2e_fail "$archive is empty"
    if grep -v -F " 0/0 " "$E2E_WORK/$archive.txt" >&2; then
        e2e_fail "$archive has members not owned by root"
    fi
done
ar tv "$deb" >"$E2E_WORK/ar.txt" || e2e_fail "the package is no ar archive"
if grep -v -F " 0/0 " "$E2E_WORK/ar.txt" >&2; then
    e2e_fail "the ar archive has members not owned by root"
fi

# Debian's own checks: nothing at error or warning level.
lintian "$deb" >"$E2E_WORK/lintian.log" 2>&1
if grep -E '^[EW]: ' "$E2E_WORK/lintian.log"; then
    e2e_fail "lintian reports errors or warnings"
fi

root=$E2E_WORK/root
dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/$ID.desktop
desktop-file-validate "$desktop" >"$E2E_WORK/desktop.log" 2>&1 || e2e_fail "desktop-file-validate"
if grep -E 'error|warning' "$E2E_WORK/desktop.log"; then
    e2e_fail "desktop-file-validate complains"
fi
appstreamcli validate --no-net "$root/usr/share/metainfo/$ID.metainfo.xml" \
    >"$E2E_WORK/appstream.log" 2>&1 || e2e_fail "appstreamcli validate"
if grep -E '^[EW]: ' "$E2E_WORK/appstream.log"; then
    e2e_fail "appstreamcli reports errors or warnings"
fi

# The menu entry starts a program the package installs, with the icon the package installs.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
icon=$(sed -n 's/^Icon=//p' "$desktop")
[[ $exec_line == lumo-soul-urge-number ]] || e2e_fail "Exec=$exec_line"
[[ -x $root/usr/bin/$exec_line ]] || e2e_fail "Exec names no installed program"
[[ $icon == "$ID" && -f $root/usr/share/icons/hicolor/48x48/apps/$icon.png ]] ||
    e2e_fail "Icon=$icon names no installed icon"
grep -qxF "<id>$ID</id>" <(sed 's/^ *//' "$root/usr/share/metainfo/$ID.metainfo.xml") ||
    e2e_fail "the metainfo's id is not $ID"

# The man page renders without a warning.
zcat "$root/usr/share/man/man1/lumo-soul-urge-number.1.gz" >"$E2E_WORK/page.1"
# Plain text on every groff: the legacy output (-c: Debian 12's groff gives it by default, Debian
# 13's gives escape codes instead) without its overstruck bold and underline (-b, -u, -o).
LC_ALL=C.UTF-8 groff -ww -man -Tutf8 -P-cbou "$E2E_WORK/page.1" >"$E2E_WORK/page.txt" \
    2>"$E2E_WORK/groff.log"
[[ ! -s $E2E_WORK/groff.log ]] || e2e_fail "groff warns about the man page"
grep -qx 'FILES' "$E2E_WORK/page.txt" || e2e_fail "the man page has no FILES section"

# The icons are the SVG drawn at each size.
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
        --output "$E2E_WORK/icon.png" "$source_dir/resources/app-icon.svg"
    cmp -s "$E2E_WORK/icon.png" "$root/usr/share/icons/hicolor/${size}x$size/apps/$ID.png" ||
        e2e_fail "the ${size}px icon does not match resources/app-icon.svg"
done
# The packaged program is stripped but keeps the build id, which debuggers use to find its symbols.
build_id() { readelf -n "$1" | sed -n 's/.*Build ID: //p'; }
packaged_id=$(build_id "$root/usr/bin/lumo-soul-urge-number")
[[ $packaged_id =~ ^[0-9a-f]{40}$ ]] || e2e_fail "the packaged program has no build id"
[[ $packaged_id == "$(build_id "$program")" ]] ||
    e2e_fail "the packaged program's build id is not the built program's"
echo "package checks passed: $(basename "$deb")"
