#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user and a desktop find there:
# both programs run from it, the data's licences stand beside the copyright file, the
# menu entry, its icon and the metainfo pass their validators, and the manuals render without a
# warning and document every option of toroglav-calc.
# Usage: install_tree_test.sh CMAKE BUILD_DIR WINDOW_ICON
set -euo pipefail
cmake=$1
build=$2
window_icon=$(realpath "$3")
catalogue_licence=$(realpath "$(dirname "$0")/../../calc/catalogue/core_catalogue_data.LICENSE")
materials_licence=$(realpath "$(dirname "$0")/../../calc/magnetics/ferrite_material_data.LICENSE")
winding_licence=$(realpath "$(dirname "$0")/../../calc/winding/winding_data.LICENSE")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# Runs a checker; any complaint it prints is a failure.
quiet() {
    local said
    said=$("$@" 2>&1) || fail "$* failed: $said"
    [ -z "$said" ] || fail "$* complained: $said"
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
mkdir "$prefix/run"
cd "$prefix/run"  # a folder of its own: no state file of another run is read or left behind

listing=$("$prefix/bin/toroglav-calc") || fail "the installed toroglav-calc failed"
grep -qx 'm_strPrimaryTurns=80 (80,49)' <<<"$listing" ||
    fail "the installed toroglav-calc did not compute the default design"
# The window only ends by a user's command: still running when timeout stops it (status 124)
# means it started; a missing library or plugin ends it at once with another status.
status=0
QT_QPA_PLATFORM=offscreen timeout 1 "$prefix/bin/toroglav" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the installed toroglav ended with status $status instead of running"

# The licences of the core catalogue, the ferrite materials and the winding data that the
# programs carry.
cmp -s "$catalogue_licence" "$prefix/share/doc/toroglav/core-catalogue.LICENSE" ||
    fail "the core catalogue's licence is not installed beside the copyright file"
cmp -s "$materials_licence" "$prefix/share/doc/toroglav/ferrite-materials.LICENSE" ||
    fail "the ferrite materials' licence is not installed beside the copyright file"
cmp -s "$winding_licence" "$prefix/share/doc/toroglav/winding-data.LICENSE" ||
    fail "the winding data's licence is not installed beside the copyright file"

entries=("$prefix"/share/applications/*.desktop)
[ "${#entries[@]}" -eq 1 ] || fail "expected one desktop entry, found: ${entries[*]}"
quiet desktop-file-validate "${entries[0]}"
icon=$(sed -n 's/^Icon=//p' "${entries[0]}")
cmp -s "$window_icon" "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ||
    fail "the entry's icon '$icon' is not the window's icon in the hicolor theme"

appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >/dev/null ||
    fail "$(appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml)"
# The tree check also finds the desktop entry that the metainfo launches.
appstreamcli validate-tree --no-net "$prefix" >/dev/null ||
    fail "$(appstreamcli validate-tree --no-net "$prefix")"

export LC_ALL=C.UTF-8 MANWIDTH=80
for page in toroglav toroglav-calc; do
    # groff's "w" is every warning; its "all" leaves out undefined macros.
    warnings=$(man --warnings=w -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $page: $warnings"
done
manual=$(man -l "$prefix/share/man/man1/toroglav-calc.1.gz")
for option in $("$prefix/bin/toroglav-calc" --help | grep -o -- '--[a-z-]*' | sort -u); do
    grep -Eq "^ {7}(-[a-z], )?$option( |$)" <<<"$manual" ||
        fail "the toroglav-calc manual has no entry for $option"
done
echo "install tree ok"
