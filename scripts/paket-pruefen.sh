#!/usr/bin/env bash
# Builds the Debian package (scripts/paket.sh) and checks it as a user's machine would see it:
# lintian finds no error (its whole report is printed), the desktop entry and the AppStream data
# are valid, the file types register, every picture the tutorial shows is installed beside it,
# and the program unpacked into a temporary folder passes its self test there: it opens
# examples/xor-2-4-1.net and finds its tutorial and Qt's German texts beside itself, not in the
# build tree or Qt's folder.
set -euo pipefail
cd "$(dirname "$0")/.."
deb="$(scripts/paket.sh)"
version="$(dpkg-deb -f "$deb" Version)"
echo "== $deb"

echo "== lintian"
lintian --info --pedantic "$deb"

ordner="$(mktemp -d)"
trap 'rm -rf "$ordner"' EXIT
dpkg -x "$deb" "$ordner"
daten="$ordner/usr/share"

echo "== desktop-file-validate"
desktop-file-validate "$daten/applications/nervalo.desktop"
echo "== appstreamcli validate"
appstreamcli validate --no-net "$daten/metainfo/io.github.nervalo.Nervalo.metainfo.xml"
grep -q "<release version=\"$version\"" "$daten/metainfo/io.github.nervalo.Nervalo.metainfo.xml"

echo "== Bilder des Tutoriums"
tutorium="$daten/nervalo/tutorial"
for b in $(grep -o '<img src="[^"]*"' "$tutorium/index.html" | sed 's/^<img src="//; s/"$//'); do
    test -f "$tutorium/$b" || { echo "im Paket fehlt das Bild $b des Tutoriums" >&2; exit 1; }
done

echo "== update-mime-database"
mkdir -p "$ordner/mime/packages"
cp "$daten/mime/packages/nervalo.xml" "$ordner/mime/packages/"
# It accepts broken XML silently: the globs it wrote are the check.
XDG_DATA_DIRS="$ordner" update-mime-database "$ordner/mime"
grep -qx "40:application/x-nervalo-netz:\*.net" "$ordner/mime/globs2"
grep -qx "50:application/x-nervalo-lernaufgabe:\*.lrn" "$ordner/mime/globs2"

echo "== Version und Selbsttest des ausgepackten Programms"
test "$("$ordner/usr/bin/nervalo" --version)" = "Nervalo Version $version"
QT_QPA_PLATFORM=offscreen "$ordner/usr/bin/nervalo" --selbsttest examples/xor-2-4-1.net
echo "Paket geprüft: $deb"
