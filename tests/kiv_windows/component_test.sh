#!/usr/bin/env bash
# kiv.dll as a Windows user meets it, under Wine in a throwaway prefix: registered with regsvr32,
# driven by a compiled client, by JScript and by VBScript, saving files that must match the Linux
# library's byte for byte, and unregistered again without a key left behind.
# Usage: component_test.sh SAMPLE_WRITER KIV_DLL CLIENT_EXE SCRIPT_DIR
set -uo pipefail
writer=$1 dll=$2 client=$3 scripts=$4

work=$(mktemp -d "${TMPDIR:-/tmp}/kiv-wine.XXXXXX")
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
    wineserver -k >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT

failed=0
fail() {
    echo "FAIL $*"
    failed=$((failed + 1))
}
# Wine's console programs print through Windows line ends.
run() { "$@" 2>>"$work/wine.log" | tr -d '\r'; }
windows() { printf 'Z:%s' "${1//\//\\}"; }

CLSID='{CFF636C2-4626-4BE0-9BD7-7487C000B766}'
LIBID='{5EB30900-72D7-4E21-93D2-42E45EA460C4}'
IID='{059E4957-4802-449E-8EF0-6429FDB427A3}'
KEYS=("HKCR\\Kiv.ConfigFile" "HKCR\\Kiv.ConfigFile.1" "HKCR\\CLSID\\$CLSID" "HKCR\\TypeLib\\$LIBID"
      "HKCR\\Interface\\$IID")

if ! wine wineboot --init >"$work/wine.log" 2>&1; then
    cat "$work/wine.log"
    echo "FAIL creating the Wine prefix"
    exit 1
fi

# A folder with a space, as Windows programs often live in one.
folder="$work/Kiv Component"
files="$work/files"
mkdir -p "$folder" "$files"
cp "$dll" "$folder/kiv.dll"
"$writer" "$files/linux-expected.txt" "$files/linux-written.txt" || fail "writing the Linux files"
dllpath=$(windows "$folder/kiv.dll")

# Registration.
run wine regsvr32 /s "$dllpath" || fail "regsvr32 kiv.dll"
for key in "${KEYS[@]}"; do
    run wine reg query "$key" >/dev/null || fail "no registry key $key after registering"
done
server=$(run wine reg query "HKCR\\CLSID\\$CLSID\\InprocServer32")
grep -qF "$dllpath" <<<"$server" || fail "InprocServer32 does not name the DLL: $server"
grep -qE 'ThreadingModel +REG_SZ +Apartment' <<<"$server" || fail "ThreadingModel: $server"
description=$(run wine reg query "HKCR\\Kiv.ConfigFile" /ve)
grep -qF "Configuration File" <<<"$description" || fail "ProgID description: $description"

# Clients.
expect_clean_run() {
    local what=$1
    shift
    local output status
    output=$(run wine "$@")
    status=$?
    echo "$output"
    [ "$status" -eq 0 ] || fail "$what exited with $status"
    # A script that stops on an error it does not catch prints no summary.
    grep -qE "^kiv.dll from $what: [0-9]+ checks, 0 failing$" <<<"$output" || fail "$what did not finish"
}
expect_clean_run "a compiled client" "$client" "$dllpath"
expect_clean_run "JScript" cscript //nologo "$(windows "$scripts/component_test.js")" "$(windows "$files")"
expect_clean_run "VBScript" cscript //nologo "$(windows "$scripts/component_test.vbs")" "$(windows "$files")"

# Files: what the component saves is what the Linux library saves, and back.
cmp "$files/linux-expected.txt" "$files/component-saved.txt" ||
    fail "the component's file differs from the Linux library's"
cmp "$files/linux-written.txt" "$files/component-resaved.txt" ||
    fail "a Linux file loaded and saved by the component changed"

# Unregistration leaves nothing behind.
run wine regsvr32 /u /s "$dllpath" || fail "regsvr32 /u kiv.dll"
for key in "${KEYS[@]}"; do
    if run wine reg query "$key" >/dev/null 2>&1; then
        fail "registry key $key left after unregistering"
    fi
done
if run wine reg export 'HKLM\Software\Classes' "$(windows "$work/classes.reg")" /y >/dev/null; then
    left=$(iconv -f UTF-16LE -t UTF-8 "$work/classes.reg" |
           grep -iF -e "$CLSID" -e "$LIBID" -e "$IID" -e 'Kiv.ConfigFile' -e 'kiv.dll')
    [ -z "$left" ] || fail "left in the registry after unregistering: $left"
else
    fail "exporting the registry"
fi

echo "Windows component test: ${SECONDS}s, $failed failing"
if [ "$failed" -ne 0 ]; then
    echo "--- Wine's messages:"
    tail -n 40 "$work/wine.log"
    exit 1
fi
