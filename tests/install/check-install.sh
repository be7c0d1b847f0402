#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# check-install.sh tree|deb BUILD_DIR SCRATCH_DIR APP_ID VERSION CMAKE CPACK SOURCE_DIR SANITIZED [PYTHON]
#
#   tree  cmake --install of BUILD_DIR into SCRATCH_DIR/prefix, then checks the
#         programs, the desktop entry, the icons, the AppStream data, the
#         manual pages, the completion, the copyright and changelog, that
#         every one of them tells the same version, and builds a program
#         against the libraries (CMake package and pkg-config) and runs it,
#         and imports the Python module from the prefix
#   deb   cpack -G DEB into SCRATCH_DIR, checks the packages' control fields and
#         contents, runs lintian on them, unpacks them and installs the
#         program's with dpkg into SCRATCH_DIR/root (a database of its own, no
#         root needed), and checks the files there; the Python module's
#         package likewise, imported from where it is unpacked and installed
#
# SANITIZED 1: a sanitizer build, whose libraries link only with the
# sanitizers' runtime and whose programs lintian need not see twice: the
# program built against the libraries and lintian are left to the default build.
# PYTHON: the python3 that the module is built for; none where it is not built.
set -euo pipefail

mode=$1 build=$2 scratch=$3 app_id=$4 version=$5 cmake=$6 cpack=$7 source=$8 sanitized=${9:-0}
python=${10:-}
here=$(cd "$(dirname "$0")" && pwd)

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

# check_release METAINFO: the AppStream data says what the pedantic
# validator wants, and its newest release is this version
check_release() {
    [ -f "$1" ] || return 0
    local said newest
    if said=$(appstreamcli validate --pedantic --no-net --no-color "$1" 2>&1) \
        && ! grep -qE '^[EWIP]: ' <<<"$said"; then
        pass "appstreamcli validate --pedantic has nothing to say"
    else
        fail "appstreamcli validate --pedantic on $1:"$'\n'"$said"
    fi
    grep -qF '<project_license>MIT</project_license>' "$1" || fail "AppStream data does not name the MIT licence"
    grep -qE '<image type="source"[^>]*>https://[^<]+\.png</image>' "$1" \
        || fail "AppStream data has no screenshot at an https address"
    newest=$(grep -oE '<release version="[^"]+"' "$1" | head -n 1 | cut -d'"' -f2)
    [ "$newest" = "$version" ] || fail "AppStream's newest release is '$newest', the build's version $version"
    grep -qF '<release version="1.0.0"' "$1" || fail "AppStream data lacks the release 1.0.0"
}

# check_docs DOCDIR PACKAGE: the copyright file in Debian's machine-readable
# format with the MIT licence, and the changelog, newest entry first
check_docs() {
    local dir=$1/share/doc/$2
    check_file "$dir/copyright" "copyright of $2"
    check_file "$dir/changelog.gz" "changelog of $2"
    if [ -f "$dir/copyright" ]; then
        head -n 1 "$dir/copyright" | grep -qxF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
            || fail "copyright of $2 is not in the machine-readable format"
        grep -qxF 'License: MIT' "$dir/copyright" || fail "copyright of $2 does not name the MIT licence"
        grep -qF 'Permission is hereby granted, free of charge' "$dir/copyright" \
            || fail "copyright of $2 lacks the licence's text"
    fi
    if [ -f "$dir/changelog.gz" ]; then
        [ "$(zcat "$dir/changelog.gz" | head -n 1)" = "ratedload ($version) unstable; urgency=medium" ] \
            || fail "changelog of $2 begins '$(zcat "$dir/changelog.gz" | head -n 1)', not with $version"
        zcat "$dir/changelog.gz" | grep -qF 'ratedload (1.0.0) unstable' || fail "changelog of $2 lacks 1.0.0"
    fi
}

# check_man ROOT: both manual pages render without a warning, tell this
# version, and the page of ratedload-cli has every command and every option
# of their help
check_man() {
    local root=$1 page said
    for page in ratedload ratedload-cli; do
        page=$root/share/man/man1/$page.1.gz
        check_file "$page" "manual page"
        [ -f "$page" ] || continue
        if said=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >"$scratch/page.txt") && [ -z "$said" ] \
            && grep -q '^NAME' "$scratch/page.txt"; then
            pass "man -l renders ${page##*/}"
        else
            fail "man -l ${page##*/}: $said"
        fi
        zcat "$page" | grep -qF "\"ratedload $version\"" || fail "${page##*/} does not tell version $version"
    done
    page=$root/share/man/man1/ratedload-cli.1.gz
    [ -f "$page" ] || return 0
    local cli=$root/bin/ratedload-cli roff command option missing=0
    roff=$(zcat "$page")
    for command in $("$cli" --help | sed -n '/^Commands:$/,/^$/p' | grep -oE '^  [a-z][^ ]*'); do
        grep -qxF ".SS \"$command\"" <<<"$roff" || { fail "ratedload-cli(1) has no section for $command"; missing=1; }
        for option in $("$cli" "$command" --help | grep -oE '^  -[^ ]+' | tr ',' '\n'); do
            grep -qF "\\fB${option//-/\\-}\\fR" <<<"$roff" \
                || { fail "ratedload-cli(1) lacks $command's option $option"; missing=1; }
        done
    done
    [ "$missing" -eq 0 ] && pass "ratedload-cli(1) has every command and option of the help"
}

# check_versions ROOT: both programs say this version, without a display, and
# so does the newest entry of CHANGELOG.md
check_versions() {
    local root=$1 said newest
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/ratedload" --version 2>&1) || true
    [ "$said" = "ratedload $version" ] || fail "ratedload --version says '$said'"
    said=$("$root/bin/ratedload-cli" --version 2>&1) || true
    [ "$said" = "ratedload-cli $version" ] || fail "ratedload-cli --version says '$said'"
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/ratedload" --help 2>&1) || true
    grep -q -- '--version' <<<"$said" || fail "ratedload --help without a display says '$said'"
    # An option it does not know is refused, not ignored.
    if QT_QPA_PLATFORM=offscreen timeout 20 "$root/bin/ratedload" --no-such-option >"$scratch/unknown.log" 2>&1; then
        fail "ratedload --no-such-option opened the window"
    elif ! grep -qF "Unknown option 'no-such-option'" "$scratch/unknown.log"; then
        fail "ratedload --no-such-option: $(cat "$scratch/unknown.log")"
    fi
    newest=$(grep -m 1 -oE '^## \[[^]]+\]' "$source/CHANGELOG.md" | tr -d '#[] ')
    [ "$newest" = "$version" ] || fail "CHANGELOG.md's newest entry is '$newest', the build's version $version"
    pass "programs and CHANGELOG.md say $version"
}

# check_consumer PREFIX [SYSROOT]: a program of someone else's builds against
# the libraries, through the CMake package and through pkg-config, and
# prints the figures of the rules and of the calculation
check_consumer() {
    if [ "$sanitized" = 1 ]; then
        echo "skipped: a program against the libraries (sanitizer build; the default build does it)"
        return 0
    fi
    local prefix=$1 sysroot=${2:-} work=$scratch/consumer said
    rm -rf "$work"
    if "$cmake" -S "$here/consumer" -B "$work" -DCMAKE_PREFIX_PATH="$prefix" >"$scratch/consumer.log" 2>&1 \
        && "$cmake" --build "$work" >>"$scratch/consumer.log" 2>&1; then
        said=$("$work/consumer" 2>&1) || true
        if [ "$said" = $'rules 5002.5\ncalc 5002.5' ]; then
            pass "a program built with find_package(ratedload) prints 5002.5 for 50 sq ft"
        else
            fail "the program built with find_package(ratedload) printed: $said"
        fi
    else
        cat "$scratch/consumer.log" >&2
        fail "a program with find_package(ratedload) does not build against $prefix"
    fi
    local pcdir flags
    pcdir=$(dirname "$(find "$prefix" -name ratedload-calc.pc | head -n 1)")
    if flags=$(PKG_CONFIG_PATH=$pcdir PKG_CONFIG_SYSROOT_DIR=$sysroot pkg-config --cflags --libs ratedload-calc 2>&1) \
        && c++ -std=c++20 -o "$work/consumer-pc" "$here/consumer/main.cpp" $flags >>"$scratch/consumer.log" 2>&1; then
        said=$("$work/consumer-pc" 2>&1) || true
        if [ "$said" = $'rules 5002.5\ncalc 5002.5' ]; then
            pass "a program built with pkg-config ratedload-calc prints 5002.5"
        else
            fail "the program built with pkg-config printed: $said"
        fi
    else
        cat "$scratch/consumer.log" >&2
        fail "a program with pkg-config ratedload-calc does not build: $flags"
    fi
}

# check_painting ROOT: the installed ratedload-cli loads no Qt, and finds the
# painter of its sheets and charts in ROOT/libexec
check_painting() {
    local root=$1 cli=$1/bin/ratedload-cli sheet=$scratch/sheet.pdf said
    if readelf -d "$cli" | grep -q 'NEEDED.*libQt6'; then
        fail "ratedload-cli loads Qt: $(readelf -d "$cli" | grep -o 'libQt6[^]]*' | tr '\n' ' ')"
    else
        pass "ratedload-cli loads no Qt library"
    fi
    check_file "$root/libexec/ratedload/ratedload-report" "the painter of sheets and charts"
    rm -f "$sheet"
    if said=$(env -u RATEDLOAD_REPORT -u DISPLAY "$cli" check --load 4000 --area 41 --sheet "$sheet" 2>&1 >/dev/null) \
        && [ "$(head -c 5 "$sheet" 2>/dev/null)" = "%PDF-" ]; then
        pass "the installed ratedload-cli writes a sheet"
    else
        fail "the installed ratedload-cli writes no sheet: $said"
    fi
}

# check_python FOLDER: the package ratedload in FOLDER (a prefix's
# lib/python3/dist-packages) is the one imported, answers as the program
# does, and writes a sheet with the painter of the same prefix
check_python() {
    if [ -z "$python" ]; then
        echo "skipped: the Python module (not built)"
        return 0
    fi
    local folder=$1 sheet=$scratch/python-sheet.pdf said
    check_file "$folder/ratedload/__init__.py" "the Python package"
    rm -f "$sheet"
    said=$(cd "$scratch" && env -u RATEDLOAD_REPORT -u DISPLAY PYTHONPATH="$folder" PYTHONDONTWRITEBYTECODE=1 \
        "$python" -c 'import ratedload
print(ratedload.__file__)
print(ratedload.__version__, ratedload.load(area=50)["min_rated_load"])
ratedload.check(load=4000, area=41, sheet="python-sheet.pdf")' 2>&1) || true
    if [ "$said" = "$folder/ratedload/__init__.py"$'\n'"$version 5002.5" ]; then
        pass "import ratedload from ${folder#"$scratch"/} gives 5002.5 for 50 sq ft"
    else
        fail "import ratedload from $folder: $said"
    fi
    if [ "$(head -c 5 "$sheet" 2>/dev/null)" = "%PDF-" ]; then
        pass "the installed module writes a sheet"
    else
        fail "the installed module writes no sheet"
    fi
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
    check_release "$root/share/metainfo/$app_id.metainfo.xml"
    check_docs "$root" ratedload
    check_man "$root"
    check_file "$root/share/bash-completion/completions/ratedload-cli" "bash completion"
    if bash "$here/check-completion.sh" "$root/bin" "$root/share/bash-completion/completions/ratedload-cli"; then
        pass "the completion offers what the help shows"
    else
        fail "the completion of ratedload-cli"
    fi
    check_versions "$root"
    check_painting "$root"
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
    check_docs "$scratch/prefix" libratedload-dev
    check_consumer "$scratch/prefix"
    check_python "$scratch/prefix/lib/python3/dist-packages"
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
    shopt -s nullglob
    devs=("$scratch"/libratedload-dev_"$version"_*.deb)
    shopt -u nullglob
    [ "${#devs[@]}" -eq 1 ] || { ls -l "$scratch" >&2; echo "FAIL: expected one libratedload-dev_${version}_*.deb" >&2; exit 1; }
    dev=${devs[0]}
    pass "package: ${dev##*/}"
    pys=()
    if [ -n "$python" ]; then
        shopt -s nullglob
        pys=("$scratch"/python3-ratedload_"$version"_*.deb)
        shopt -u nullglob
        [ "${#pys[@]}" -eq 1 ] || { ls -l "$scratch" >&2; echo "FAIL: expected one python3-ratedload_${version}_*.deb" >&2; exit 1; }
        pass "package: ${pys[0]##*/}"
    fi

    # lintian, once for both: no error and no warning (what it says at the
    # lower levels is shown).
    if [ "$sanitized" = 1 ]; then
        said="skipped in the sanitizer build: the default build runs lintian"
    elif need lintian lintian && said=$(lintian --pedantic --display-info --fail-on error,warning "$deb" "$dev" "${pys[@]}" 2>&1) \
        && ! grep -qE '^[EW]: ' <<<"$said"; then
        pass "lintian: no error, no warning"
    else
        fail "lintian:"$'\n'"$said"
    fi
    echo "--- lintian"
    grep -v '^running with root privileges' <<<"$said" || true
    echo "---"

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
    for path in ./usr/bin/ratedload ./usr/bin/ratedload-cli ./usr/libexec/ratedload/ratedload-report \
        "./usr/share/applications/$app_id.desktop" \
        "./usr/share/icons/hicolor/16x16/apps/$app_id.png" \
        "./usr/share/icons/hicolor/32x32/apps/$app_id.png" \
        "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
        "./usr/share/metainfo/$app_id.metainfo.xml" \
        ./usr/share/man/man1/ratedload.1.gz ./usr/share/man/man1/ratedload-cli.1.gz \
        ./usr/share/bash-completion/completions/ratedload-cli \
        ./usr/share/doc/ratedload/copyright ./usr/share/doc/ratedload/changelog.gz; do
        if grep -qxF "$path" <<<"$listing"; then pass "package holds $path"; else fail "package lacks $path"; fi
    done
    if grep -qE '\.(a|h|pc)$|/cmake/' <<<"$listing"; then
        fail "the program's package holds the libraries' files:"$'\n'"$(grep -E '\.(a|h|pc)$|/cmake/' <<<"$listing")"
    fi

    # The libraries' package: headers, libraries, CMake package, pkg-config.
    [ "$(dpkg-deb -f "$dev" Section)" = libdevel ] || fail "libratedload-dev's Section is not libdevel"
    [ "$(dpkg-deb -f "$dev" Version)" = "$version" ] || fail "libratedload-dev's Version is not $version"
    dev_listing=$(dpkg-deb -c "$dev" | awk '{ print $NF }')
    multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)
    for path in ./usr/include/ratedload/rules/PassengerLoad.h ./usr/include/ratedload/calc/Run.h \
        "./usr/lib/$multiarch/libratedload_rules.a" "./usr/lib/$multiarch/libratedload_calc.a" \
        "./usr/lib/$multiarch/cmake/ratedload/ratedload-config.cmake" \
        "./usr/lib/$multiarch/pkgconfig/ratedload-rules.pc" "./usr/lib/$multiarch/pkgconfig/ratedload-calc.pc" \
        ./usr/share/doc/libratedload-dev/copyright ./usr/share/doc/libratedload-dev/changelog.gz; do
        if grep -qxF "$path" <<<"$dev_listing"; then pass "libratedload-dev holds $path"; else fail "libratedload-dev lacks $path"; fi
    done
    if grep -qE '^\./usr/(bin|share/(man|applications|metainfo|icons))/' <<<"$dev_listing"; then
        fail "libratedload-dev holds the program's files"
    fi
    if grep -v '^\./usr/' <<<"$listing" | grep -qvxF -e ./ -e ./usr/; then
        fail "package puts files outside /usr:"$'\n'"$(grep -v '^\./usr/' <<<"$listing")"
    fi
    if grep -qF /dist-packages/ <<<"$listing$dev_listing"; then
        fail "the program's or the libraries' package holds the Python module"
    fi

    # The Python module's package: the package, its stub and the module for
    # this python3, nothing else.
    if [ -n "$python" ]; then
        py=${pys[0]}
        [ "$(dpkg-deb -f "$py" Section)" = python ] || fail "python3-ratedload's Section is not python"
        [ "$(dpkg-deb -f "$py" Version)" = "$version" ] || fail "python3-ratedload's Version is not $version"
        grep -qE '(^|, )python3 \(>= ' <<<"$(dpkg-deb -f "$py" Depends)" \
            || fail "python3-ratedload does not depend on python3: $(dpkg-deb -f "$py" Depends)"
        py_listing=$(dpkg-deb -c "$py" | awk '{ print $NF }')
        suffix=$("$python" -c 'import sysconfig; print(sysconfig.get_config_var("EXT_SUFFIX"))')
        for path in ./usr/lib/python3/dist-packages/ratedload/__init__.py \
            ./usr/lib/python3/dist-packages/ratedload/__init__.pyi \
            ./usr/lib/python3/dist-packages/ratedload/py.typed \
            "./usr/lib/python3/dist-packages/ratedload/_native$suffix" \
            ./usr/share/doc/python3-ratedload/copyright ./usr/share/doc/python3-ratedload/changelog.gz; do
            if grep -qxF "$path" <<<"$py_listing"; then pass "python3-ratedload holds $path"; else fail "python3-ratedload lacks $path"; fi
        done
        if grep -qE '^\./usr/(bin|include|libexec|share/(man|applications))/|\.a$' <<<"$py_listing"; then
            fail "python3-ratedload holds the program's or the libraries' files"
        fi
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
    # The libraries, unpacked beside it, build a program: the CMake package
    # finds its way from where it lies, pkg-config through the sysroot.
    dpkg-deb -x "$dev" "$scratch/unpacked"
    check_docs "$scratch/unpacked/usr" libratedload-dev
    check_consumer "$scratch/unpacked/usr" "$scratch/unpacked"
    if [ -n "$python" ]; then
        dpkg-deb -x "$py" "$scratch/unpacked"
        check_docs "$scratch/unpacked/usr" python3-ratedload
    fi
    check_python "$scratch/unpacked/usr/lib/python3/dist-packages"

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
    if [ -n "$python" ]; then
        HOME=$scratch PATH=/usr/local/sbin:/usr/sbin:/sbin:$PATH \
            dpkg --root="$root" --force-not-root --force-depends --log=/dev/null -i "$py" \
            >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log" >&2; fail "dpkg -i python3-ratedload"; }
        status=$(dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${Status}' python3-ratedload 2>&1) || true
        [ "$status" = "install ok installed" ] || fail "dpkg's status of python3-ratedload in the scratch root: $status"
    fi
    check_python "$root/usr/lib/python3/dist-packages"
    finish
    ;;
*)
    echo "usage: $0 tree|deb BUILD_DIR SCRATCH_DIR APP_ID VERSION CMAKE CPACK" >&2
    exit 2
    ;;
esac
