#!/usr/bin/env bash
# Installs what is missing, builds the suite and runs its main job.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tolvane_install_deps

cmake --preset default
cmake --build --preset default -j "$(nproc)"

# No program runs yet: the core library and its tests are what is built so far.
echo
echo "Built:"
find build/default -maxdepth 3 -type f \( -name '*.a' -o -name '*.so' -o -perm -u+x \) \
    \( -path '*/tolvane/*' -o -path '*/tests/*' -o -path '*/bench/*' \) ! -name '*.cmake' | sort
