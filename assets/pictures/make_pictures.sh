#!/usr/bin/env bash
# Makes the window's three pictures: background.jpg (baseline), code.jpg and
# banner.jpg (progressive). The code is a QR code of the shop address.
#
#   assets/pictures/make_pictures.sh [shop-address [output-folder]]
#
# Needs python3, qrencode and cjpeg (libjpeg-turbo-progs); the same tools give the
# same bytes.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
address=${1:-https://shop.quorlen.example/}
out=${2:-$here}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$out"
python3 "$here/draw_picture.py" background >"$work/background.ppm"
python3 "$here/draw_picture.py" banner >"$work/banner.ppm"
# Level Q survives the blur of JPEG at the size the code gets.
qrencode -t ASCII -m 0 -l Q -o - "$address" | python3 "$here/draw_picture.py" code >"$work/code.ppm"

cjpeg -quality 85 -optimize -outfile "$out/background.jpg" "$work/background.ppm"
cjpeg -quality 85 -progressive -outfile "$out/banner.jpg" "$work/banner.ppm"
# No colour subsampling: the modules are two pixels wide.
cjpeg -quality 85 -sample 1x1 -progressive -outfile "$out/code.jpg" "$work/code.ppm"
