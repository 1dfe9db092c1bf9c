#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test layer:
# the include direction of the layers and the test volume, the portable core
# natively (with AddressSanitizer and UBSan) and its fuzz targets, the 64-bit
# and 32-bit builds and the release files, then the Windows tests and the
# end-to-end tests of Brelvix.scr and of its setup under Wine and Xvfb.
# Run as root on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

"$root/scripts/install-deps.sh"
jobs=$(nproc)
source "$root/scripts/wine-env.sh"
wine_env_skips

echo "== layers and test volume"
python3 "$root/scripts/check-layers.py"
python3 "$root/scripts/test-ratio.py" 0.40

echo "== portable core (native, sanitizers)"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native

echo "== fuzz targets of the portable parsers (a few seconds each over their seeds)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz

echo "== Windows program and tests (x86_64)"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs"

echo "== Windows program (i686)"
cmake --preset win32 -DBRELVIX_TESTS=OFF >/dev/null
cmake --build --preset win32 -j "$jobs" --target Brelvix
OBJDUMP=i686-w64-mingw32-objdump "$root/scripts/check-imports.sh" "$root/build/win32/bin/Brelvix.scr"

echo "== Release files (dist/), which the installer test installs"
"$root/scripts/release.sh"

echo "== Windows tests and end-to-end tests (under Wine and Xvfb)"
trap wine_env_stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
wine_env_start "$root/build/wine"
ctest --preset win64
wine_env_skips
