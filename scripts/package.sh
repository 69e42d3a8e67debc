#!/usr/bin/env bash
# Builds the Debian package of Parlivo in build-package/ and checks it: the desktop entry with
# desktop-file-validate, the AppStream metadata with appstreamcli, the whole package with
# lintian (no error allowed). Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install_packages.sh cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev qt6-svg-dev \
  libsqlite3-dev mdbtools-dev libmdb3 dpkg-dev file desktop-file-utils appstream lintian

cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DPARLIVO_BUILD_TESTS=OFF
cmake --build build-package --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
rm -f build-package/parlivo_*.deb
(cd build-package && cpack -G DEB)
package=$(echo build-package/parlivo_*.deb)

# The files are checked as the package holds them.
contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$package" "$contents"
desktop-file-validate "$contents"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$contents"/usr/share/metainfo/*.metainfo.xml
lintian --fail-on error "$package"
echo "$package"
