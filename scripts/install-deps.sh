#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test Quorlen.
# Idempotent: apt runs only for missing packages, and the cross-built libjpeg-turbo
# is kept in a cache under the build folder.
#
#   scripts/install-deps.sh [build-folder]     (default: <repo>/build)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build_root=${1:-$repo/build}
jpeg_prefix=$build_root/deps/mingw

packages=(
  cmake g++ make pkg-config
  mingw-w64 libz-mingw-w64-dev
  zlib1g-dev libjpeg62-turbo-dev libgtest-dev libbenchmark-dev
  wine wine64 xvfb xauth fonts-wqy-microhei locales
  dpkg-dev qrencode libjpeg-turbo-progs python3
)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# libjpeg-turbo for MinGW, built from Debian's own source package.
if [ ! -f "$jpeg_prefix/lib/libjpeg.a" ]; then
  if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    echo "install-deps: adding a deb-src entry for Debian's source packages"
    as_root tee /etc/apt/sources.list.d/quorlen-deb-src.sources >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    as_root apt-get update -qq
  fi
  src_root=$build_root/deps/src
  rm -rf "$src_root" && mkdir -p "$src_root"
  (cd "$src_root" && apt-get source -qq libjpeg-turbo >/dev/null)
  src_dir=$(find "$src_root" -maxdepth 1 -mindepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
  cmake -S "$src_dir" -B "$src_root/build" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$jpeg_prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF \
    -DWITH_JPEG8=OFF -DCMAKE_POSITION_INDEPENDENT_CODE=OFF >/dev/null
  cmake --build "$src_root/build" --target jpeg-static -j "$(nproc)" >/dev/null
  mkdir -p "$jpeg_prefix/lib" "$jpeg_prefix/include"
  cp "$src_root/build/libjpeg.a" "$jpeg_prefix/lib/libjpeg.a"
  cp "$src_dir/jpeglib.h" "$src_dir/jmorecfg.h" "$src_dir/jerror.h" "$src_root/build/jconfig.h" "$jpeg_prefix/include/"
  rm -rf "$src_root"
  echo "install-deps: libjpeg-turbo for MinGW is in $jpeg_prefix"
fi
