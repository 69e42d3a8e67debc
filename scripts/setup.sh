#!/usr/bin/env bash
# Installs the Debian packages Parlivo needs (only those missing) and builds it in Release.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install_packages.sh cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev \
  qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libsqlite3-dev sqlite3 mdbtools-dev libmdb3 \
  fonts-dejavu-core fonts-comic-neue

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
