// Song files for the tests that play music: tones written on the spot as
// WAV and MIDI, and the committed MP3 next to the test programs.
#pragma once

#include <string>

namespace brelvix::testing {

// A mono 16-bit PCM tone of the given length.
std::string WavBytes(double seconds);

// One note held for the given length (a type-0 file at the default 120
// beats per minute).
std::string MidiBytes(double seconds);

// A committed fixture (tests/fixtures) by file name, e.g. "tone-2s.mp3".
std::wstring FixturePath(const std::wstring& name);

} // namespace brelvix::testing
