#!/usr/bin/env bash
# Installs what is missing, builds the program, installs the portable program
# folder (default: ~/Tessaria) with the Qt libraries it needs, puts it in the
# desktop's menu and starts the program from there. An existing folder keeps
# its password store, archives, photos and attachments.
set -euo pipefail
cd "$(dirname "$0")/.."

folder=$(realpath -m "${1:-$HOME/Tessaria}")

bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARIA_TESTS=OFF
cmake --build build --parallel
cmake --install build --prefix "$folder"
bash tools/bundle/launcher.sh "$folder"
echo "Tessaria 3.0 is installed in $folder"
exec "$folder/tessaria"
