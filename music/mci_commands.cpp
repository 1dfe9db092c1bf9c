#include "music/mci_commands.h"

#include "base/text_value.h"

#include <cstdint>
#include <limits>

namespace brelvix {
namespace {

constexpr wchar_t kSequencer[] = L"sequencer";
constexpr wchar_t kWaveAudio[] = L"waveaudio";
// Device counts are 32-bit: nothing larger comes back from a real reply.
constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();

// The device type named by the path's text, or "" to let the system choose.
std::wstring DeviceType(std::wstring_view path) {
    std::wstring lower = ToLowerText(path);
    if (lower.find(L".mid") != std::wstring::npos) {
        return kSequencer;
    }
    if (lower.find(L".wav") != std::wstring::npos) {
        return kWaveAudio;
    }
    return {};
}

} // namespace

std::wstring DevicePrefix(std::wstring_view path) {
    std::wstring type = DeviceType(path);
    return type.empty() ? type : type + L"!";
}

std::wstring OpenCommand(const std::wstring& path, const std::wstring& alias) {
    if (path.find(L' ') == std::wstring::npos) {
        return L"open " + DevicePrefix(path) + path + L" alias " + alias;
    }
    std::wstring type = DeviceType(path);
    std::wstring typeWords = type.empty() ? type : L" type " + type;
    return L"open \"" + path + L"\"" + typeWords + L" alias " + alias;
}

std::wstring TimeFormatCommand(const std::wstring& alias) {
    return L"set " + alias + L" time format milliseconds";
}

std::wstring LengthCommand(const std::wstring& alias) {
    return L"status " + alias + L" length";
}

std::wstring PlayCommand(const std::wstring& alias) {
    return L"play " + alias + L" notify";
}

std::wstring PositionCommand(const std::wstring& alias) {
    return L"status " + alias + L" position";
}

std::wstring CloseCommand(const std::wstring& alias) {
    return L"close " + alias;
}

std::wstring PauseCommand(const std::wstring& alias) {
    return L"pause " + alias;
}

std::wstring ResumeCommand(const std::wstring& alias) {
    return L"resume " + alias;
}

long FallbackDivisor(std::wstring_view prefix) {
    return prefix == std::wstring(kSequencer) + L"!" ? 10 : 1000;
}

long SecondsFromReply(std::wstring_view reply, long divisor) {
    return static_cast<long>(ClampedWhole(NumericValue(reply) / divisor, 0, kLargest));
}

std::wstring MinutesSeconds(long seconds) {
    std::wstring minutes = std::to_wstring(seconds / 60);
    std::wstring rest = std::to_wstring(seconds % 60);
    return (minutes.size() < 2 ? L"0" : L"") + minutes + L":" + (rest.size() < 2 ? L"0" : L"") +
           rest;
}

int Percentage(long positionSecs, long lengthSecs) {
    if (lengthSecs <= 0) {
        return 0;
    }
    double percent = static_cast<double>(positionSecs) * 100.0 / static_cast<double>(lengthSecs);
    return static_cast<int>(ClampedWhole(percent, 0, kLargest));
}

} // namespace brelvix
