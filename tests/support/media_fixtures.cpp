#include "media_fixtures.h"

#include "win_test_support.h"

#include <cmath>
#include <cstdint>

namespace brelvix::testing {
namespace {

constexpr int kSampleRate = 8000;
constexpr int kTicksPerBeat = 480;
constexpr double kBeatsPerSecond = 2.0; // 120 beats per minute

void PutLittle(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

void PutBig(std::string& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// MIDI's variable-length number: seven bits a byte, high bit set on all but the last.
void PutVariable(std::string& out, std::uint32_t value) {
    std::string bytes(1, static_cast<char>(value & 0x7F));
    while (value >>= 7) {
        bytes.insert(bytes.begin(), static_cast<char>((value & 0x7F) | 0x80));
    }
    out += bytes;
}

} // namespace

std::string WavBytes(double seconds) {
    auto samples = static_cast<std::uint32_t>(seconds * kSampleRate);
    std::uint32_t dataBytes = samples * 2;
    std::string out = "RIFF";
    PutLittle(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLittle(out, 16, 4);
    PutLittle(out, 1, 2); // PCM
    PutLittle(out, 1, 2); // mono
    PutLittle(out, kSampleRate, 4);
    PutLittle(out, kSampleRate * 2, 4);
    PutLittle(out, 2, 2);
    PutLittle(out, 16, 2);
    out += "data";
    PutLittle(out, dataBytes, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        double wave = std::sin(2.0 * 3.14159265358979 * 440.0 * i / kSampleRate);
        PutLittle(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * wave)), 2);
    }
    return out;
}

std::string MidiBytes(double seconds) {
    std::string track;
    track += std::string("\x00\x90\x3C\x64", 4); // note on, middle C
    PutVariable(track, static_cast<std::uint32_t>(seconds * kBeatsPerSecond * kTicksPerBeat));
    track += std::string("\x80\x3C\x00", 3);     // note off
    track += std::string("\x00\xFF\x2F\x00", 4); // end of track
    std::string out = "MThd";
    PutBig(out, 6, 4);
    PutBig(out, 0, 2); // one track
    PutBig(out, 1, 2);
    PutBig(out, kTicksPerBeat, 2);
    out += "MTrk";
    PutBig(out, static_cast<std::uint32_t>(track.size()), 4);
    return out + track;
}

std::wstring FixturePath(const std::wstring& name) {
    return ProgramFolder() + L"\\fixtures\\" + name;
}

} // namespace brelvix::testing
