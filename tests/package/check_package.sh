#!/usr/bin/env bash
# The Debian package as a user receives it: CPack builds it into a scratch folder, dpkg -x unpacks
# it into a scratch root, and the unpacked files are checked there: the layout, the icon sizes,
# the computed dependencies, the tool (solve and session) running from that root, the manual
# page covering every command of the tool, both manual pages rendering cleanly, the puzzle file
# types, and the desktop entry and metadata passing their validators.
#
#   tests/package/check_package.sh BUILD SCRATCH
set -euo pipefail

build=$1
scratch=$2
id=org.quorvel.Quorvel

fail() {
    echo "check_package: $*" >&2
    exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    fail "cpack could not make the package"
fi
deb=$(find "$scratch/out" -maxdepth 1 -name '*.deb' | head -n 1)
[ -n "$deb" ] || fail "cpack made no .deb"
dpkg-deb --info "$deb" | sed -n 's/^ \(Package\|Version\|Installed-Size\|Depends\):/  &/p'
dpkg -x "$deb" "$scratch/unpacked"
usr=$scratch/unpacked/usr

delivered=share/quorvel/delivered
for file in bin/quorvel bin/quorvel-tool $delivered/type3.pxz $delivered/type5.pxz \
    $delivered/sudokuhelp.pxz "share/applications/$id.desktop" \
    "share/icons/hicolor/scalable/apps/$id.svg" "share/metainfo/$id.metainfo.xml" \
    share/man/man1/quorvel.1 share/man/man1/quorvel-tool.1 share/doc/quorvel/docs/guide.md \
    share/doc/quorvel/docs/images/explain-2.png; do
    [ -s "$usr/$file" ] || fail "the package lacks $file"
done
for size in 48 64 128 256; do
    png="$usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    file "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not a $size px PNG"
done

depends=$(dpkg-deb --field "$deb" Depends)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
    qt6-qpa-plugins; do
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
        fail "Depends lacks $package: $depends"
done

tool=$usr/bin/quorvel-tool
solved=$("$tool" solve --mode crunch \
    '..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..')
[[ $solved == *'"result":true'* && $solved == *'"grid":"483921657'* ]] ||
    fail "the unpacked quorvel-tool did not solve the puzzle: $solved"

# A scripted session from the unpacked root takes its data folder's databases from
# share/quorvel/delivered (apart from share/quorvel, the data folder of a program installed into
# ~/.local): stored puzzle 7 loads.
dumped=$(printf 'key F2\ntype 7\nanswer OK\ndump\n' | "$tool" session --data-dir "$scratch/data")
[[ $dumped == '{"grid":9,"cells":"'*[1-9]*'","locked":"'* ]] ||
    fail "the unpacked quorvel-tool session loaded no puzzle: $dumped"
for database in type3.pxz type5.pxz; do
    cmp -s "$usr/$delivered/$database" "$scratch/data/$database" ||
        fail "session did not copy the delivered $database into its data folder"
done

# Every command `quorvel-tool help` lists has its own entry in the manual page.
page=$(sed -e 's/\\-/-/g' -e 's/\\f[BIPR]//g' -e 's/"//g' "$usr/share/man/man1/quorvel-tool.1")
commands=$("$tool" help | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p')
[ -n "$commands" ] || fail "quorvel-tool help listed no commands"
for command in $commands; do
    grep -Eq "^\.B[IR]? $command( |$)" <<<"$page" ||
        fail "the manual page quorvel-tool.1 has no entry for '$command': document it in dist/"
done

# Both manual pages render without a troff warning and within the usual 80 columns.
for page in quorvel.1 quorvel-tool.1; do
    rendered=$(MANWIDTH=80 man --warnings -E ascii -l "$usr/share/man/man1/$page" \
        2>"$scratch/man.log")
    [ ! -s "$scratch/man.log" ] || fail "$page renders with warnings: $(cat "$scratch/man.log")"
    wide=$(awk 'length > 80' <<<"$rendered")
    [ -z "$wide" ] || fail "$page has lines wider than 80 columns: $wide"
done

# The puzzle file types: update-mime-database takes the definitions without a word, every type
# the desktop entry opens is defined, every suffix Quorvel reads has its type, and the first
# bytes of a SadMan and an OpenSudoku file are known without the suffix.
mkdir -p "$scratch/mime/packages"
cp "$usr/share/mime/packages/$id.xml" "$scratch/mime/packages/" ||
    fail "the package lacks share/mime/packages/$id.xml"
XDG_DATA_DIRS=$scratch update-mime-database "$scratch/mime" 2>"$scratch/mime.log"
[ ! -s "$scratch/mime.log" ] || fail "update-mime-database: $(cat "$scratch/mime.log")"
globs=$(cat "$scratch/mime/globs2")
entry_types=$(sed -n 's/^MimeType=//p' "$usr/share/applications/$id.desktop" | tr ';' ' ')
[ -n "$entry_types" ] || fail "the desktop entry lists no MimeType"
for type in $entry_types; do
    grep -q ":$type:" <<<"$globs" || fail "the desktop entry opens $type, which is not defined"
done
for suffix in sdk ss sdm opensudoku; do
    glob=$(grep ":\*\.$suffix$" <<<"$globs") || fail "no file type for .$suffix files"
    [[ " $entry_types " == *" $(cut -d: -f2 <<<"$glob") "* ]] ||
        fail "the desktop entry does not open .$suffix files"
done
for first in '[Puzzle]' '<opensudoku'; do
    grep -qaF "$first" "$scratch/mime/magic" || fail "no file type knows files starting '$first'"
done
desktop-file-validate "$usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml"
echo "check_package: $(basename "$deb"), $(stat -c %s "$deb") bytes: all checks passed"
