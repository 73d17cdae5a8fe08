#!/usr/bin/env bash
# Checks of an installed Tarnwick tree, one per CTest test:
#   installed_check.sh CHECK PREFIX WORK_FOLDER
# The tree was installed into PREFIX by the test install_into_prefix. Settings come from the
# environment (set by tests/install/CMakeLists.txt): EXPECTED_FILES, BIN_TO_LIB, VERSION, LIBDIR,
# SOURCE, CXX, CXXFLAGS, LDFLAGS. A check whose tool is missing exits 77 (skipped), naming it.
set -euo pipefail
check=$1
prefix=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
# Nothing from the build tree may help the installed programs find their library.
unset LD_LIBRARY_PATH

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null ||
            { echo "Skipped: $tool is not installed; scripts/deps.sh installs it"; exit 77; }
    done
}

check_layout() {
    (cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$work/installed.txt"
    sort "$EXPECTED_FILES" >"$work/expected.txt"
    diff -u "$work/expected.txt" "$work/installed.txt" || fail "the installed files differ"
    for program in tarnwick tarnwick-cli; do
        [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
        runpath=$(readelf -d "$prefix/bin/$program" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
        [ "$runpath" = "\$ORIGIN/$BIN_TO_LIB" ] || fail "bin/$program has RUNPATH '$runpath'"
    done
    readelf -d "$prefix/$LIBDIR/libkiv.so.$VERSION" | grep -q 'SONAME.*\[libkiv\.so\.1\]' ||
        fail "libkiv has not the soname libkiv.so.1"
    # Each PNG of the icon is as large as the folder it is in says (width and height in IHDR).
    for png in "$prefix"/share/icons/hicolor/*x*/apps/*.png; do
        size=$(basename "$(dirname "$(dirname "$png")")")
        read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
            awk '{print $3*256+$4, $7*256+$8}')
        [ "${width}x${height}" = "$size" ] || fail "$png is ${width}x${height}"
    done
    # The file layer stays inside libkiv: neither its library nor its symbols are installed.
    if nm -D --defined-only "$prefix/$LIBDIR/libkiv.so" | grep -q ' files::\| _ZN5files'; then
        fail "libkiv exports the file layer's symbols"
    fi
}

check_kiv_cmake() {
    need cmake ninja
    cmake -S "$SOURCE/consumer" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
        -DKIV_EXPECTED_VERSION="$VERSION" -DCMAKE_CXX_COMPILER="$CXX" \
        -DCMAKE_CXX_FLAGS="$CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" >"$work/configure.log" ||
        { cat "$work/configure.log"; fail "the outside project did not configure"; }
    grep "Found Kiv $VERSION in $prefix/$LIBDIR/cmake/Kiv" "$work/configure.log" ||
        fail "find_package(Kiv) did not find the installed package"
    cmake --build "$work/build" || fail "the outside project did not build"
    "$work/build/kiv_consumer" "$work/store.txt" || fail "the outside program failed"
}

check_kiv_pkgconfig() {
    need pkg-config
    export PKG_CONFIG_PATH="$prefix/$LIBDIR/pkgconfig"
    [ "$(pkg-config --modversion kiv)" = "$VERSION" ] || fail "kiv.pc has another version"
    # shellcheck disable=SC2046,SC2086
    "$CXX" -std=c++17 $CXXFLAGS "$SOURCE/consumer/main.cpp" $(pkg-config --cflags --libs kiv) \
        $LDFLAGS -o "$work/kiv_consumer" || fail "no program builds with pkg-config's flags"
    LD_LIBRARY_PATH="$(pkg-config --variable=libdir kiv)" "$work/kiv_consumer" "$work/store.txt" ||
        fail "the outside program failed"
}

# The manual page's synopsis names the same commands as the program's --help.
commands_of() {
    sed 's/\\//g' | sed -n 's/^\(  \|\.B \)tarnwick-cli \([^ ]*\).*/\2/p' | sort -u
}
check_cli() {
    "$prefix/bin/tarnwick-cli" --help >"$work/help.txt" || fail "tarnwick-cli --help failed"
    head -1 "$work/help.txt" | grep -qx 'Usage:' || fail "no usage text"
    commands_of <"$work/help.txt" >"$work/help-commands.txt"
    commands_of <"$prefix/share/man/man1/tarnwick-cli.1" >"$work/man-commands.txt"
    [ "$(wc -l <"$work/help-commands.txt")" -ge 5 ] || fail "too few commands read from --help"
    diff -u "$work/help-commands.txt" "$work/man-commands.txt" ||
        fail "the manual page and --help name different commands"
    "$prefix/bin/tarnwick-cli" sample "$work/sample.gb" || fail "tarnwick-cli sample failed"
}

check_man_pages() {
    need groff
    for page in "$prefix"/share/man/man1/*.1; do
        warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$page" 2>&1)
        [ -z "$warnings" ] || fail "$page: $warnings"
        grep -q "@PROJECT_VERSION@" "$page" && fail "$page: version not filled in"
        grep -q "\"Tarnwick $VERSION\"" "$page" || fail "$page: no version $VERSION"
    done
}

check_desktop_files() {
    need desktop-file-validate appstreamcli update-mime-database
    desktop-file-validate "$prefix"/share/applications/*.desktop || fail "desktop-file-validate"
    appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml ||
        fail "appstreamcli validate"
    appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"
    # The file type as the desktop's database holds it: the glob and the magic of a .twd file.
    cp -r "$prefix/share/mime" "$work/mime"
    XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>"$work/mime.log"
    [ ! -s "$work/mime.log" ] || { cat "$work/mime.log"; fail "update-mime-database warned"; }
    grep -qx '50:application/x-tarnwick-level-data:\*\.twd' "$work/mime/globs2" ||
        fail "*.twd is not in globs2"
    grep -aq 'Screens_11=' "$work/mime/magic" || fail "no magic for level data"
}

# The Debian package holds the same files under /usr and depends on the libraries the programs
# use.
check_package() {
    need cpack dpkg-deb dpkg-shlibdeps
    cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$work" >"$work/cpack.log" ||
        { cat "$work/cpack.log"; fail "cpack -G DEB failed"; }
    deb=$(echo "$work"/tarnwick_"$VERSION"_*.deb)
    [ -f "$deb" ] || fail "no package tarnwick_$VERSION in $work"
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    names=$(echo "$depends" | tr ',' '\n' | sed 's/(.*)//; s/ //g')
    for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
        grep -qxF "$library" <<<"$names" || fail "the package does not depend on $library"
    done
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort >"$work/files.txt"
    sort "$EXPECTED_FILES" >"$work/expected.txt"
    diff -u "$work/expected.txt" "$work/files.txt" || fail "the package holds other files"
}

# The installed editor under its own X server shows its window on the sample ROM.
check_window() {
    need Xvfb xdotool
    "$prefix/bin/tarnwick-cli" sample "$work/sample.gb" >/dev/null
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 2>"$work/xvfb.log" &
    xvfb=$!
    exec 3>&-
    trap 'end_window' EXIT
    wait_for "the X server" test -s "$work/display"
    export DISPLAY=":$(cat "$work/display")"
    export QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
    # Qt's X11 platform reads the keyboard through libxkbcommon-x11, which hands strndup strings
    # without an end; in a sanitizer build the strict string check would stop it there.
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0" \
        "$prefix/bin/tarnwick" "$work/sample.gb" >"$work/tarnwick.log" 2>&1 &
    editor=$!
    wait_for "the editor's window" shows_window "Tarnwick - $work/sample.gb"
    echo "The window \"Tarnwick - $work/sample.gb\" is shown"
}
shows_window() {
    kill -0 "$editor" 2>/dev/null || { cat "$work/tarnwick.log"; fail "tarnwick ended"; }
    for id in $(xdotool search --onlyvisible --name '^Tarnwick - ' 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = "$1" ] && return 0
    done
    return 1
}
# Polls for up to three minutes: a loaded machine may take long to start the program.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 720); do
        "$@" && return 0
        sleep 0.25
    done
    fail "waited three minutes for $what"
}
end_window() {
    for pid in ${editor:-} ${xvfb:-}; do
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.25; done
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

"check_${check//-/_}"
