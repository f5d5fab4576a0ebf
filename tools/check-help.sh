#!/usr/bin/env bash
# Unpacks the built help file and checks that it holds what help/ says: every source file byte
# for byte (text in code page 932, as the build converts it), the title, start page, contents
# and index of the file's header, every page listed in the contents under its own title, every
# link of the contents and the index leading to a page and anchor of the file, and each page
# covering the topics it is there for.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
CHM=${1:-$ROOT/build/win/Rolva.chm}
SRC=$ROOT/help

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "help: $*" >&2; failures=$((failures + 1)); }

[ -f "$CHM" ] || { echo "help: no $CHM (build the Rolva target)" >&2; exit 1; }
chmls extractall "$CHM" "$work/chm" >/dev/null 2>&1 || { echo "help: cannot unpack $CHM" >&2; exit 1; }
utf8() { iconv -f CP932 -t UTF-8 "$@"; }

# Every source file, as the viewer gets it.
while IFS= read -r source; do
  name=${source#"$SRC"/}
  case $name in
    *.html | *.hhc | *.hhk | *.hhp | *.css) iconv -f UTF-8 -t CP932 "$source" > "$work/expected" ;;
    *) cp "$source" "$work/expected" ;;
  esac
  [ "$name" = Rolva.hhp ] && continue  # the project is compiled into the header, not stored
  cmp -s "$work/expected" "$work/chm/$name" || fail "$name differs from help/$name or is missing"
done < <(find "$SRC" -type f | sort)

# The header the viewer opens the file by.
chmls printsystem "$CHM" 2>/dev/null | tr -d '\0' | utf8 > "$work/system"
for line in "Title from \[options\] *:Rolva ヘルプ *$" "Default topic from \[options\] *:index.html *$" \
            "Contents file from \[options\] *:Rolva.hhc *$" "Index file from \[options\] *:Rolva.hhk *$"; do
  grep -q "$line" "$work/system" || fail "header has no line matching '$line'"
done

# Name and target pairs of a contents or index file, one "name|target" a line.
entries() {
  utf8 "$1" | tr -d '\n' | grep -o '<param name="Name" value="[^"]*">[[:space:]]*<param name="Local" value="[^"]*">' |
    sed 's/.*name="Name" value="\([^"]*\)">.*name="Local" value="\([^"]*\)">.*/\1|\2/'
}
entries "$work/chm/Rolva.hhc" > "$work/contents"
entries "$work/chm/Rolva.hhk" > "$work/index"
[ -s "$work/contents" ] || fail "the contents list nothing"
[ "$(wc -l < "$work/index")" -ge 40 ] || fail "the index lists fewer than 40 words"

while IFS='|' read -r name target; do
  page=${target%%#*}
  [ -f "$work/chm/$page" ] || { fail "'$name' leads to $page, which the file lacks"; continue; }
  if [ "$page" != "$target" ]; then
    grep -q "name=\"${target#*#}\"" "$work/chm/$page" || fail "'$name' leads to $target, an anchor $page lacks"
  fi
done < <(cat "$work/contents" "$work/index")

for page in "$work"/chm/*.html; do
  file=${page##*/}
  title=$(utf8 "$page" | sed -n 's:.*<title>\(.*\)</title>.*:\1:p')
  grep -qxF "$title|$file" "$work/contents" || fail "$file is not in the contents as '$title'"
done

# What each page is there to explain.
covers() {
  local file=$1 text
  shift
  text=$(utf8 "$work/chm/$file" 2>/dev/null)
  for word in "$@"; do
    [[ $text == *"$word"* ]] || fail "$file does not mention $word"
  done
}
covers scene.html フォーム コントロールウィンドウ 起動画面 メニュー
covers keypad.html '>ON<' '>送<' '>戻<' '>強<' '>C<' 速度 間隔 ミリ秒 '>Tab<'
covers signs.html 幕式 LED風 '使用しない（非表示）'
covers pictures.html 帯画像 原稿をコピー 名前の順 フォルダー PNG
covers settings.html 設定ダイアログ 背景の画像 カドの丸み 原稿用の幕の枚数
covers files.html .rv4 .rv3 .rvd 名前をつけて保存 コマンドライン 上書き保存 ドラッグ 最近使ったファイル Ctrl
covers clip.html GIFで保存 コマ数/秒 停止時間 キャンセル
covers pack.html パックで保存 .rvp 開く ドラッグ 2GB 上書き保存 キャンセル
covers inifile.html Rolva.ini 'フォームの位置と大きさ'

if [ $failures -ne 0 ]; then
  echo "help: $failures problem(s) in $CHM" >&2
  exit 1
fi
echo "help: $CHM holds $(ls "$work"/chm/*.html | wc -l) pages, $(wc -l < "$work/contents") contents entries and $(wc -l < "$work/index") index words"
