#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# check-install.sh tree|deb BUILD_DIR SCRATCH_DIR APP_ID VERSION CMAKE CPACK
#
#   tree  cmake --install of BUILD_DIR into SCRATCH_DIR/prefix, then checks the
#         program, the desktop entry, the icons and the AppStream data
#   deb   cpack -G DEB into SCRATCH_DIR, checks the package's control fields and
#         contents, unpacks it and installs it with dpkg into SCRATCH_DIR/root
#         (a database of its own, no root needed), and checks the files there
set -euo pipefail

mode=$1 build=$2 scratch=$3 app_id=$4 version=$5 cmake=$6 cpack=$7

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pass() {
    echo "ok: $*"
}
need() {
    command -v "$1" >/dev/null || { echo "FAIL: $1 not found (package $2)" >&2; exit 1; }
}

# check_file PATH WHAT: a regular, non-empty file
check_file() {
    if [ -f "$1" ] && [ -s "$1" ]; then pass "$2: ${1#"$scratch"/}"; else fail "$2 missing: ${1#"$scratch"/}"; fi
}

# check_png PATH SIZE: a PNG of SIZE x SIZE pixels
check_png() {
    check_file "$1" "${2}x$2 icon"
    [ -f "$1" ] || return 0
    local header width height
    header=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    [ "$header" = 89504e470d0a1a0a ] || { fail "not a PNG: $1"; return 0; }
    width=$((16#$(od -An -tx1 -j16 -N4 "$1" | tr -d ' \n')))
    height=$((16#$(od -An -tx1 -j20 -N4 "$1" | tr -d ' \n')))
    if [ "$width" -eq "$2" ] && [ "$height" -eq "$2" ]; then
        pass "icon is ${width}x$height"
    else
        fail "icon $1 is ${width}x$height, expected ${2}x$2"
    fi
}

# check_svg PATH: a scalable icon, an SVG document with a view box
check_svg() {
    check_file "$1" "scalable icon"
    [ -f "$1" ] || return 0
    if grep -q '<svg[^>]*viewBox=' "$1" && grep -q '</svg>' "$1"; then
        pass "scalable icon is an SVG document"
    else
        fail "scalable icon is no SVG document with a viewBox: $1"
    fi
}

# check_entry PATH: desktop-file-validate has nothing to say, and the keys
check_entry() {
    check_file "$1" "desktop entry"
    [ -f "$1" ] || return 0
    local said
    if said=$(desktop-file-validate "$1" 2>&1) && [ -z "$said" ]; then
        pass "desktop-file-validate passes"
    else
        fail "desktop-file-validate on $1:"$'\n'"$said"
    fi
    local line
    for line in "Type=Application" "Exec=ratedload" "Icon=$app_id" "Terminal=false" \
        "Name=Rated Load" "GenericName=Elevator Rated Load Calculator"; do
        if grep -qxF "$line" "$1"; then pass "desktop entry has $line"; else fail "desktop entry lacks $line"; fi
    done
    if grep -q '^Categories=.*\bCalculator;' "$1"; then
        pass "desktop entry is in Calculator"
    else
        fail "desktop entry's Categories lack Calculator"
    fi
}

# check_metainfo PATH: appstreamcli validates it, and it names the desktop entry
check_metainfo() {
    check_file "$1" "AppStream data"
    [ -f "$1" ] || return 0
    local said
    if said=$(appstreamcli validate --no-net --no-color "$1" 2>&1); then
        pass "appstreamcli validate passes"
    else
        fail "appstreamcli validate on $1:"$'\n'"$said"
    fi
    grep -qF "<id>$app_id</id>" "$1" || fail "AppStream data's id is not $app_id"
    grep -qF ">$app_id.desktop</launchable>" "$1" || fail "AppStream data does not launch $app_id.desktop"
}

# check_root ROOT: every file the program brings, below ROOT (a prefix)
check_root() {
    local root=$1
    if [ -f "$root/bin/ratedload" ] && [ -x "$root/bin/ratedload" ]; then
        pass "program: ${root#"$scratch"/}/bin/ratedload"
    else
        fail "program missing or not executable: $root/bin/ratedload"
    fi
    if [ -f "$root/bin/ratedload" ] && [ "$(od -An -c -N4 "$root/bin/ratedload" | tr -d ' ')" != '177ELF' ]; then
        fail "program is not an ELF executable: $root/bin/ratedload"
    fi
    check_entry "$root/share/applications/$app_id.desktop"
    check_png "$root/share/icons/hicolor/16x16/apps/$app_id.png" 16
    check_png "$root/share/icons/hicolor/32x32/apps/$app_id.png" 32
    check_svg "$root/share/icons/hicolor/scalable/apps/$app_id.svg"
    check_metainfo "$root/share/metainfo/$app_id.metainfo.xml"
}

finish() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}

need desktop-file-validate desktop-file-utils
need appstreamcli appstream

rm -rf "$scratch"
mkdir -p "$scratch"

case "$mode" in
tree)
    "$cmake" --install "$build" --prefix "$scratch/prefix" >"$scratch/install.log" 2>&1 \
        || { cat "$scratch/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }
    check_root "$scratch/prefix"
    finish
    ;;
deb)
    need dpkg-deb dpkg
    need dpkg dpkg
    "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 \
        || { cat "$scratch/cpack.log" >&2; echo "FAIL: cpack -G DEB" >&2; exit 1; }
    shopt -s nullglob
    debs=("$scratch"/ratedload_"$version"_*.deb)
    shopt -u nullglob
    [ "${#debs[@]}" -eq 1 ] || { ls -l "$scratch" >&2; echo "FAIL: expected one ratedload_${version}_*.deb" >&2; exit 1; }
    deb=${debs[0]}
    pass "package: ${deb##*/}"

    field() { dpkg-deb -f "$deb" "$1"; }
    [ "$(field Package)" = ratedload ] || fail "Package is '$(field Package)', expected ratedload"
    [ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', expected $version"
    [ "$(field Architecture)" = "$(dpkg --print-architecture)" ] \
        || fail "Architecture is '$(field Architecture)', expected $(dpkg --print-architecture)"
    [ -n "$(field Maintainer)" ] || fail "no Maintainer"
    case "$(field Section)" in science | utils) ;; *) fail "Section is '$(field Section)'" ;; esac
    [ "$(field Description | wc -l)" -ge 2 ] || fail "Description has no long description"
    depends=$(field Depends)
    for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation2; do
        if grep -qE "(^|, )$package( |,|$)" <<<"$depends"; then
            pass "Depends names $package"
        else
            fail "Depends lacks $package: $depends"
        fi
    done
    echo "--- control fields"
    dpkg-deb -f "$deb"
    echo "---"

    listing=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
    for path in ./usr/bin/ratedload \
        "./usr/share/applications/$app_id.desktop" \
        "./usr/share/icons/hicolor/16x16/apps/$app_id.png" \
        "./usr/share/icons/hicolor/32x32/apps/$app_id.png" \
        "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
        "./usr/share/metainfo/$app_id.metainfo.xml"; do
        if grep -qxF "$path" <<<"$listing"; then pass "package holds $path"; else fail "package lacks $path"; fi
    done
    if grep -v '^\./usr/' <<<"$listing" | grep -qvxF -e ./ -e ./usr/; then
        fail "package puts files outside /usr:"$'\n'"$(grep -v '^\./usr/' <<<"$listing")"
    fi

    # Every dependency is a package this machine has, in a version that
    # satisfies it: the package was built against them.
    IFS=',' read -ra relations <<<"$depends"
    for relation in "${relations[@]}"; do
        read -r package operator wanted <<<"${relation//[()]/}"
        installed=$(dpkg-query -W -f='${Version}' "$package" 2>/dev/null) || installed=
        if [ -z "$installed" ]; then
            fail "dependency $package is not installed here"
        elif [ -n "${operator:-}" ] && ! dpkg --compare-versions "$installed" "$operator" "$wanted"; then
            fail "dependency $package: installed $installed, package wants $operator $wanted"
        else
            pass "dependency ${relation# }: installed $installed"
        fi
    done

    # Unpacked as it is,
    dpkg-deb -x "$deb" "$scratch/unpacked"
    check_root "$scratch/unpacked/usr"

    # and installed by dpkg into a scratch root with a database of its own
    # (its dependencies are not in there).
    root=$scratch/root
    mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
    : >"$root/var/lib/dpkg/status"
    if HOME=$scratch PATH=/usr/local/sbin:/usr/sbin:/sbin:$PATH \
        dpkg --root="$root" --force-not-root --force-depends --log=/dev/null -i "$deb" \
        >"$scratch/dpkg.log" 2>&1; then
        pass "dpkg -i into a scratch root"
    else
        cat "$scratch/dpkg.log" >&2
        fail "dpkg -i into a scratch root"
    fi
    status=$(dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${Status}' ratedload 2>&1) || true
    [ "$status" = "install ok installed" ] || fail "dpkg's status of ratedload in the scratch root: $status"
    check_root "$root/usr"
    finish
    ;;
*)
    echo "usage: $0 tree|deb BUILD_DIR SCRATCH_DIR APP_ID VERSION CMAKE CPACK" >&2
    exit 2
    ;;
esac
