#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, checks the installed tree, then runs the installed
# kelmora-cli as an unprivileged user against a root-owned, read-only prefix.
# Usage: test_install.sh BUILD_DIR PREFIX
set -euo pipefail

build=$1
prefix=$2
nobody=65534

if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: needs root, to own the prefix and to run kelmora-cli as another user"
    exit 77
fi

work=$(mktemp -d)
cleanup() { rm -rf "$work"; }
trap cleanup EXIT
chmod 755 "$work"
dest=$work/dest
root=$dest$prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$dest cmake --install "$build" >/dev/null

# The installed tree, file by file.
id=com.quorrick.Kelmora
expected="bin/kelmora
bin/kelmora-cli
share/applications/$id.desktop
share/doc/kelmora/Readme-KELMORA.TXT
share/doc/kelmora/changelog.gz
share/doc/kelmora/copyright
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/16x16/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/kelmora-cli.1.gz
share/man/man1/kelmora.1.gz
share/metainfo/$id.metainfo.xml
share/mime/packages/$id.xml"
actual=$(cd "$root" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:
$(diff <(echo "$expected") <(echo "$actual"))"
[ -z "$(find "$dest" \( -type f -o -type l \) ! -path "$root/*")" ] || fail "files installed outside $prefix"
for program in kelmora kelmora-cli; do
    [ -x "$root/bin/$program" ] || fail "bin/$program is not executable"
done
for size in 16 32 48 64 128 256; do
    file "$root/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
        fail "the ${size}x$size icon is not a $size by $size PNG"
done
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is not an SVG"
# Not even a hint, such as one for a second main category.
validation=$(desktop-file-validate "$root/share/applications/$id.desktop" 2>&1) || fail "desktop entry: $validation"
[ -z "$validation" ] || fail "desktop entry: $validation"
grep -qx 'Exec=kelmora %f' "$root/share/applications/$id.desktop" || fail "the desktop entry passes no file"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >/dev/null || fail "AppStream metadata"
# The savegame type the desktop entry names is defined, and the definition is one the desktop takes.
mime=$work/mime
mkdir -p "$mime/packages"
cp "$root/share/mime/packages/$id.xml" "$mime/packages/"
update-mime-database "$mime" >/dev/null 2>&1 || fail "the MIME type definition is refused"
grep -q '^application/x-vantor-savegame:\*\.sav$' "$mime/globs" || fail "no *.sav MIME type"
grep -q '^MimeType=application/x-vantor-savegame;$' "$root/share/applications/$id.desktop" ||
    fail "the desktop entry names another type"
for page in kelmora kelmora-cli; do
    warnings=$(zcat "$root/share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "man page $page.1: $warnings"
done
version=$("$root/bin/kelmora-cli" --version | cut -d' ' -f2)
[ "$(zcat "$root/share/doc/kelmora/changelog.gz" | head -1 | cut -d' ' -f1-2)" = "kelmora ($version)" ] ||
    fail "the changelog's first entry is not version $version"
cmp -s "$root/share/doc/kelmora/Readme-KELMORA.TXT" "$(dirname "$0")/../../resources/Readme-KELMORA.TXT" ||
    fail "the installed readme is not the player's readme"

# A prefix as a package leaves it: root's, and nobody else may write to it.
chown -R 0:0 "$dest"
chmod -R go-w "$dest"
chmod -R a-w "$root"
listing() { (cd "$dest" && find . -printf '%p %y %s %m %U:%G\n' | LC_ALL=C sort && find . -type f -exec sha256sum {} + | LC_ALL=C sort); }
before=$(listing)

# A player with a home of their own, and a savegame: any file of at least 8170 bytes.
home=$work/home
mkdir -p "$home/Save"
head -c 9000 /dev/urandom >"$home/Save/Alex.sav"
chown -R $nobody:$nobody "$home"
player() {
    local home=$1
    shift
    setpriv --reuid=$nobody --regid=$nobody --clear-groups env -i PATH=/usr/bin:/bin HOME="$home" \
        XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
        XDG_RUNTIME_DIR="$home/run" "$root/bin/kelmora-cli" "$@"
}

[ "$(player "$home" --version)" = "kelmora-cli 1.0.0" ] || fail "--version"
player "$home" template "$home/Save/Alex.sav" >/dev/null || fail "template"
player "$home" save 12 | grep -q '^Saved \[Mission #12\] @ ' || fail "save 12"
status=$(player "$home" status) || fail "status"
data=$home/.local/share/Quorrick/Kelmora/kelmora.dat
echo "$status" | grep -qx "Program data file:   $data (exists)" || fail "status names another data file: $status"
echo "$status" | grep -qx "Mission choice:      Mission 12" || fail "status: $status"
echo "$status" | grep -q "^Data file place:     per-user data folder (.*not writable" || fail "status: $status"

# The factory driver file is the template with missions 12 to 34 cleared; kelmora.dat holds the
# template's 170 progress bytes.
expected_factory=$work/expected.sav
cp "$home/Save/Alex.sav" "$expected_factory"
records=$work/records
: >"$records"
for mission in $(seq 0 33); do
    offset=$((245 + 240 * mission))
    dd if="$home/Save/Alex.sav" bs=1 skip=$offset count=5 status=none >>"$records"
    if [ "$mission" -ge 11 ]; then
        dd if=/dev/zero of="$expected_factory" bs=1 seek=$offset count=5 conv=notrunc status=none
    fi
done
cmp "$expected_factory" "$home/Save/AFactMS.sav" || fail "factory driver file bytes"
cmp "$records" "$data" || fail "kelmora.dat bytes"
[ "$(stat -c %u "$data")" = $nobody ] || fail "kelmora.dat is not the player's"

# A per-user folder that cannot be made: refused before the settings or any savegame change.
other=$work/other
mkdir -p "$other/Save" "$other/.config"
cp "$home/Save/Alex.sav" "$other/Save/"
touch "$other/.local"
chown -R $nobody:$nobody "$other"
if message=$(player "$other" template "$other/Save/Alex.sav" 2>&1); then fail "template without a data folder succeeded"; fi
# The per-user folder also holds the lock, which is taken first.
[ "$message" = "Error!: Could not lock '$other/.local/share/Quorrick/Kelmora/kelmora.lock' [Not a directory]" ] ||
    fail "unexpected message: $message"
[ -z "$(ls -A "$other/.config")" ] && [ "$(ls "$other/Save")" = Alex.sav ] || fail "a refused template changed files"

[ "$before" = "$(listing)" ] || fail "the prefix changed:
$(diff <(echo "$before") <(listing))"
echo "$status"
echo "installed tree, desktop entry, metadata, man pages and an unprivileged player's run: all as expected"
