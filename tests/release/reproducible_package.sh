#!/usr/bin/env bash
# Checks what a reproducible package needs of one build folder: the program, debug information
# included, names neither the source nor the build folder; two packages made from it at different
# times are the same bytes; every member of the package, of its ar archive and of both tar
# archives, is dated SOURCE_DATE_EPOCH and owned by root. (The umask is scripts/package.sh's.)
# Usage: reproducible_package.sh <build-folder> <source-folder> <program>
set -u
build=${1:?usage: reproducible_package.sh <build-folder> <source-folder> <program>}
source_dir=${2:?usage: reproducible_package.sh <build-folder> <source-folder> <program>}
program=${3:?usage: reproducible_package.sh <build-folder> <source-folder> <program>}
source "$source_dir/tests/e2e/e2e_lib.sh"

e2e_require_tools cpack dpkg-deb ar tar readelf strings cmp
e2e_private_environment

# 2023-11-14 22:13:20 UTC.
export SOURCE_DATE_EPOCH=1700000000
readonly STAMP_TAR='2023-11-14 22:13:20'
readonly STAMP_AR='Nov 14 22:13 2023'
export TZ=UTC LC_ALL=C

# The folders as the compiler saw them, and as they are after resolving links.
folders=("$(cd "$source_dir" && pwd)" "$(cd "$build" && pwd)"
         "$(realpath "$source_dir")" "$(realpath "$build")")
strings -a "$program" >"$E2E_WORK/strings.txt"
for folder in "${folders[@]}"; do
    if grep -q -F -- "$folder" "$E2E_WORK/strings.txt"; then
        grep -F -- "$folder" "$E2E_WORK/strings.txt" | head -n 3 >&2
        e2e_fail "the program names the folder $folder"
    fi
done

make_package() {
    (umask 022 && cpack -G DEB -B "$E2E_WORK/$1" --config "$build/CPackConfig.cmake") \
        >"$E2E_WORK/cpack-$1.log" 2>&1 || e2e_fail "cpack failed"
}
make_package first
sleep 1.1
make_package second
first=$(ls "$E2E_WORK"/first/lumo-soul-urge-number_*.deb)
second=$(ls "$E2E_WORK"/second/lumo-soul-urge-number_*.deb)
[[ -f $first && -f $second ]] || e2e_fail "cpack made no lumo-soul-urge-number_*.deb"

# Every archive member: dated SOURCE_DATE_EPOCH, owned by root (user and group 0).
check_tar() {
    local what=$1 listing=$E2E_WORK/$1.txt
    tar -tv --full-time --numeric-owner -f "$E2E_WORK/$what" >"$listing" ||
        e2e_fail "$what is no tar archive"
    [[ -s $listing ]] || e2e_fail "$what is empty"
    if grep -v -F " 0/0 " "$listing" >&2; then
        e2e_fail "$what has members not owned by root"
    fi
    if grep -v -F " $STAMP_TAR " "$listing" >&2; then
        e2e_fail "$what has members not dated $STAMP_TAR"
    fi
}
dpkg-deb --fsys-tarfile "$second" >"$E2E_WORK/data.tar" || e2e_fail "no data.tar in the package"
dpkg-deb --ctrl-tarfile "$second" >"$E2E_WORK/control.tar" ||
    e2e_fail "no control.tar in the package"
check_tar data.tar
check_tar control.tar
ar tv "$second" >"$E2E_WORK/ar.txt" || e2e_fail "the package is no ar archive"
if grep -v -F " 0/0 " "$E2E_WORK/ar.txt" >&2; then
    e2e_fail "the ar archive has members not owned by root"
fi
if grep -v -F " $STAMP_AR " "$E2E_WORK/ar.txt" >&2; then
    e2e_fail "the ar archive has members not dated $STAMP_AR"
fi

if ! cmp "$first" "$second"; then
    diff "$E2E_WORK/data.tar.txt" <(dpkg-deb --fsys-tarfile "$first" |
        tar -tv --full-time --numeric-owner -f -) >&2
    e2e_fail "two packages of one build, made a second apart, differ"
fi

# The packaged program is stripped but keeps the build id, which debuggers use to find its symbols.
root=$E2E_WORK/root
dpkg-deb -x "$first" "$root"
readelf -n "$root/usr/bin/lumo-soul-urge-number" | grep -q 'Build ID: [0-9a-f]\{40\}' ||
    e2e_fail "the packaged program has no build id"
build_id() { readelf -n "$1" | sed -n 's/.*Build ID: //p'; }
[[ $(build_id "$root/usr/bin/lumo-soul-urge-number") == "$(build_id "$program")" ]] ||
    e2e_fail "the packaged program's build id is not the built program's"
echo "reproducible package checks passed: $(basename "$first")"
