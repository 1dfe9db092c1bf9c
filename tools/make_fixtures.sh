#!/bin/sh
# Writes the small MP3 the Windows tests play (WAV and MIDI files are made by
# the tests themselves). Needs sox and lame; the result is committed.
set -eu
out="$(cd "$(dirname "$0")/.." && pwd)/tests/fixtures"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"
# Two seconds of a 440 Hz tone, mono, as small as an MP3 gets.
sox -n -r 8000 -c 1 -b 16 "$tmp/tone.wav" synth 2 sine 440 vol 0.5
lame --quiet -m m -b 8 --resample 8 --noreplaygain --nohist -t "$tmp/tone.wav" "$out/tone-2s.mp3"
