#!/usr/bin/env bash
# Packs the portable program: build/dist/Rolva-<version>.zip with the 32-bit exe, its help file,
# the sample scene and a short Japanese readme, and in x64\ the 64-bit build of the same sources
# with its own help file, for machines that cannot run 32-bit programs (the build every test runs
# on such a machine).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
VERSION=${1:?version}
stage="$ROOT/build/dist/Rolva-$VERSION"
zip="$ROOT/build/dist/Rolva-$VERSION.zip"

for needed in build/win/Rolva.exe build/win/Rolva.chm build/win64/Rolva.exe build/win64/Rolva.chm samples/demo.rv4; do
  [ -e "$ROOT/$needed" ] || { echo "dist: $needed is missing" >&2; exit 1; }
done

rm -rf "$stage" "$zip"
mkdir -p "$stage/samples" "$stage/x64"
cp "$ROOT/build/win/Rolva.exe" "$ROOT/build/win/Rolva.chm" "$stage/"
cp "$ROOT/build/win64/Rolva.exe" "$ROOT/build/win64/Rolva.chm" "$stage/x64/"
cp -r "$ROOT/samples/." "$stage/samples/"
rm -f "$stage/samples/make_samples.sh"
# Readmes in Shift-JIS with CRLF, as Windows' editors expect them.
sed 's/$/\r/' "$ROOT/docs/dist-readme.txt" | iconv -f UTF-8 -t CP932 > "$stage/readme.txt"
sed 's/$/\r/' "$ROOT/samples/README.txt" | iconv -f UTF-8 -t CP932 > "$stage/samples/README.txt"
# The zip library built into the program (scene packs), with its licence.
sed 's/$/\r/' "$ROOT/third_party/minizip/LICENSE" > "$stage/minizip-license.txt"
(cd "$ROOT/build/dist" && zip -qr -X "$zip" "Rolva-$VERSION")
echo "dist: $zip"
unzip -l "$zip" | tail -n +4 | head -n -2 | awk '{print "  " $4}'
