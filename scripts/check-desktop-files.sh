#!/usr/bin/env bash
# Checks what the desktop and the shell read about the program, offline:
#
#   bash scripts/check-desktop-files.sh [BUILD]
#
# - the metainfo with appstreamcli (errors and warnings fail; infos pass),
# - the desktop entry with desktop-file-validate (anything it says fails),
# - the manual page with man --warnings (anything it says fails),
# - the bash completion, sourced and asked for options, values and files,
# - the thumbnailer entry: its keys, the MIME type it names, and (given a build
#   folder) the thumbnail its command makes of a scheme,
# - that the manual page and the metainfo carry the program's version.
#
# Given a build folder, the same checks run on the files as `cmake --install`
# puts them, and the manual page and the completion must know every option the
# built program's --help lists. Exits non-zero when a check fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-}"
id=example.qvx.vexlume

source "$root/scripts/install-missing.sh"
install_missing appstream desktop-file-utils man-db

failures=0
fail() {
    echo "FAIL: $1" >&2
    [ -z "${2:-}" ] || printf '%s\n' "$2" | sed 's/^/    /' >&2
    failures=$((failures + 1))
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# man reads the page as an unprivileged user when it runs as root.
chmod 755 "$work"

# The version: the built program's, or the one CMake gives the package
# (major.minor and the fourth number, as the caption shows it).
if [ -n "$build" ]; then
    version="$("$build/vexlume" --version)"
    version="${version#vexlume }"
else
    version="$(sed -nE 's/^project\(vexlume VERSION ([0-9]+)\.([0-9]+)\.[0-9]+\.([0-9]+).*/\1.\2.\3/p' "$root/CMakeLists.txt")"
fi

check_metainfo() { # file
    local out
    out="$(appstreamcli validate --no-net "$1" 2>&1)" || fail "appstreamcli validate --no-net $1" "$out"
    grep -q "<release version=\"$version\"" "$1" ||
        fail "$1 has no release $version" "$(grep '<release ' "$1")"
}

check_desktop_entry() { # file
    local out
    if ! out="$(desktop-file-validate "$1" 2>&1)" || [ -n "$out" ]; then
        fail "desktop-file-validate $1" "$out"
    fi
}

check_manual() { # file (plain or gzipped)
    local out
    if ! out="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null)" || [ -n "$out" ]; then
        fail "man --warnings -l $1" "$out"
    fi
    zcat -f "$1" | grep -q "^\.TH VEXLUME 1 [^ ]* \"vexlume $version\"" ||
        fail "$1 does not carry the version $version" "$(zcat -f "$1" | grep '^\.TH')"
}

# Asks the completion in a shell of its own, in a folder of sample files, and
# compares what it offers with what it should.
check_completion() { # file
    local sample="$work/completion"
    mkdir -p "$sample/folder"
    touch "$sample/one.col" "$sample/TWO.COL" "$sample/notes.txt" "$sample/shot.png" "$sample/Picture.JPG"
    local out
    out="$(cd "$sample" && bash --norc --noprofile -c '
        source "$1"
        ask() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _vexlume
                printf "%s|" "$*"; printf "%s\n" "${COMPREPLY[@]}" | LC_ALL=C sort | tr "\n" " "; echo; }
        complete -p vexlume >/dev/null || echo "no completion registered for vexlume"
        ask vexlume --sta
        ask vexlume --standard ""
        ask vexlume --standard = r
        ask vexlume --simulate ""
        ask vexlume --min-ratio ""
        ask vexlume --scale 1
        ask vexlume ""
        ask vexlume one.col ""
        ask vexlume --check one.col ""
        ask vexlume --contrast --standard red ""
        ask vexlume --render --scale 2 ""
        ask vexlume --render one.col ""
        ask vexlume --render --standard blue ""
        ask vexlume --render -
    ' _ "$1" 2>&1)"
    local expected
    expected='vexlume --sta|--standard 
vexlume --standard |blue green red 
vexlume --standard = r|red 
vexlume --simulate |deutan protan tritan 
vexlume --min-ratio |3 4.5 7 
vexlume --scale 1|1 10 11 12 13 14 15 16 
vexlume |TWO.COL folder one.col 
vexlume one.col | 
vexlume --check one.col |TWO.COL folder one.col 
vexlume --contrast --standard red | 
vexlume --render --scale 2 |TWO.COL folder one.col 
vexlume --render one.col |Picture.JPG folder shot.png 
vexlume --render --standard blue |Picture.JPG folder shot.png 
vexlume --render -|--compare --phone --scale --simulate --standard '
    [ "$out" = "$expected" ] || fail "the completion $1 offers other words than it should" \
        "$(diff <(echo "$expected") <(echo "$out") || true)"
    if [ -n "$build" ]; then
        # Every option the program lists, offered where no mode is chosen yet.
        local offered option
        offered="$(bash --norc --noprofile -c 'source "$1"; COMP_WORDS=(vexlume --); COMP_CWORD=1; _vexlume
            echo "${COMPREPLY[*]}"' _ "$1")"
        for option in $options; do
            [ "$option" = --help-all ] || [[ " $offered " == *" $option "* ]] ||
                fail "the completion $1 does not offer $option"
        done
    fi
}

# The entry file managers read: one group, the keys they use, the scheme's MIME
# type; given a build, its command run as a file manager runs it.
check_thumbnailer() { # file
    grep -qx '\[Thumbnailer Entry\]' "$1" || fail "$1 has no [Thumbnailer Entry] group"
    grep -qx 'TryExec=vexlume' "$1" || fail "$1 does not try vexlume"
    grep -qx 'Exec=vexlume --thumbnail %s %i %o' "$1" || fail "$1 runs another command" "$(grep '^Exec=' "$1")"
    local type
    type="$(sed -nE 's/.*<mime-type type="([^"]+)".*/\1/p' "$root/packaging/vexlume-scheme.xml")"
    grep -qx "MimeType=$type;" "$1" || fail "$1 does not name the MIME type $type"
    if [ -n "$build" ]; then
        local scheme="$work/thumbnail.col" picture="$work/thumbnail.png"
        "$build/vexlume" --derive '#3366cc' "$scheme" >/dev/null || fail "vexlume --derive made no scheme to thumbnail"
        "$build/vexlume" --thumbnail 128 "$scheme" "$picture" || fail "vexlume --thumbnail failed on $scheme"
        [ "$(head -c 8 "$picture" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
            fail "vexlume --thumbnail wrote no PNG"
    fi
}

check_options_in_manual() { # file
    local option
    for option in $options; do
        zcat -f "$1" | grep -q -- "${option//-/\\\\-}" || fail "the manual page $1 does not describe $option"
    done
}

options=
if [ -n "$build" ]; then
    options="$("$build/vexlume" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u)"
fi

check_metainfo "$root/packaging/$id.metainfo.xml"
check_desktop_entry "$root/packaging/$id.desktop"
check_manual "$root/packaging/vexlume.1"
check_completion "$root/packaging/vexlume.bash-completion"
check_thumbnailer "$root/packaging/vexlume.thumbnailer"
[ -z "$build" ] || check_options_in_manual "$root/packaging/vexlume.1"

if [ -n "$build" ]; then
    prefix="$work/prefix"
    out="$(cmake --install "$build" --prefix "$prefix" 2>&1)" || fail "cmake --install $build" "$out"
    for file in bin/vexlume share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
        share/icons/hicolor/scalable/apps/vexlume.svg share/mime/packages/vexlume-scheme.xml \
        share/man/man1/vexlume.1.gz share/bash-completion/completions/vexlume share/thumbnailers/vexlume.thumbnailer; do
        [ -f "$prefix/$file" ] || fail "cmake --install puts no $file"
    done
    if [ -d "$prefix/share" ]; then
        chmod -R a+rX "$prefix"
        # The metainfo together with the desktop entry and the icon it names.
        out="$(appstreamcli validate-tree --no-net "$prefix" 2>&1)" ||
            fail "appstreamcli validate-tree --no-net $prefix" "$out"
        [ ! -f "$prefix/share/applications/$id.desktop" ] ||
            check_desktop_entry "$prefix/share/applications/$id.desktop"
        [ ! -f "$prefix/share/man/man1/vexlume.1.gz" ] || check_manual "$prefix/share/man/man1/vexlume.1.gz"
        [ ! -f "$prefix/share/bash-completion/completions/vexlume" ] ||
            check_completion "$prefix/share/bash-completion/completions/vexlume"
        [ ! -f "$prefix/share/thumbnailers/vexlume.thumbnailer" ] ||
            check_thumbnailer "$prefix/share/thumbnailers/vexlume.thumbnailer"
    fi
fi

if ((failures)); then
    echo "check-desktop-files: $failures check(s) failed" >&2
    exit 1
fi
echo "Metainfo, desktop entry, manual page, bash completion and thumbnailer: all checks pass${build:+ (also as installed from $build)}" >&2
