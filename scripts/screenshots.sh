#!/usr/bin/env bash
# Makes the README's pictures in docs/ anew from the screenshots the end-to-end
# tests write (build/win64/bin/screenshots/*.bmp): run scripts/test.sh first.
# The saver's two are required; the setup dialog's and the About box's are
# taken when their tests wrote them (the setup dialog also under today's font,
# from e2e-setup-today), cut to the window on the black screen.
set -euo pipefail
cd "$(dirname "$0")/.."
shots=build/win64/bin/screenshots
mkdir -p docs
for name in full-screen usable-screen; do
    [ -f "$shots/$name.bmp" ] || { echo "no $shots/$name.bmp: run scripts/test.sh first" >&2; exit 1; }
    # -strip leaves out the time stamps, so an unchanged picture is an unchanged file.
    convert "$shots/$name.bmp" -alpha off -strip "docs/$name.png"
    echo "docs/$name.png"
done
# Two monitors side by side, at half size (e2e-monitors writes it).
if [ -f "$shots/monitors-snapshot.bmp" ]; then
    convert "$shots/monitors-snapshot.bmp" -alpha off -resize 50% -strip docs/two-monitors.png
    echo docs/two-monitors.png
fi
for name in setup-dialog setup-dialog-today about-box add-summary; do
    if [ -f "$shots/$name.bmp" ]; then
        convert "$shots/$name.bmp" -alpha off -trim +repage -strip "docs/$name.png"
        echo "docs/$name.png"
    fi
done
