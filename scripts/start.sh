#!/usr/bin/env bash
# Sets everything up, then starts Parlivo from its application folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec build/Parlivo/parlivo
