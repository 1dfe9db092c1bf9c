#!/usr/bin/env bash
# Builds what a Windows user installs, into dist/:
#   Brelvix-<version>-x64.zip   the 64-bit Brelvix.scr and a read-me
#   Brelvix-<version>-x86.zip   the 32-bit Brelvix.scr and a read-me
#   Brelvix-<version>-setup.exe an installer for either kind of Windows
# Run as root on Debian 12 (it installs missing packages first).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

"$root/scripts/install-deps.sh"

# The same configurations as the test command, so neither undoes the other.
cmake --preset win64 >/dev/null
# The version of project() in CMakeLists.txt, as the configuration wrote it out.
version=$(sed -n 's/^#define BRELVIX_VERSION_TEXT "\(.*\)"$/\1/p' \
    "$root/build/win64/generated/resources/version.h")
cmake --build --preset win64 -j 2 --target Brelvix
cmake --preset win32 -DBRELVIX_TESTS=OFF >/dev/null
cmake --build --preset win32 -j 2 --target Brelvix

stage="$root/build/release"
dist="$root/dist"
rm -rf "$stage"
mkdir -p "$stage" "$dist"
# Notepad before Windows 10 shows a text without carriage returns on one line.
sed 's/$/\r/' "$root/release/README-Windows.txt" >"$stage/README.txt"
for pair in x64:win64 x86:win32; do
    arch=${pair%%:*}
    mkdir "$stage/$arch"
    cp "$root/build/${pair#*:}/bin/Brelvix.scr" "$stage/README.txt" "$stage/$arch/"
    rm -f "$dist/Brelvix-$version-$arch.zip"
    (cd "$stage/$arch" && zip -q -X "$dist/Brelvix-$version-$arch.zip" Brelvix.scr README.txt)
done
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$dist/Brelvix-$version-setup.exe" \
    "$root/release/brelvix.nsi"
# The same script as a 64-bit program, for the installer test on machines
# whose kernel runs no 32-bit programs; it is not shipped.
makensis -V2 -X"Target amd64-unicode" -DVERSION="$version" -DSTAGE="$stage" \
    -DOUTFILE="$stage/Brelvix-$version-setup-x64.exe" "$root/release/brelvix.nsi"
ls -l "$dist"
