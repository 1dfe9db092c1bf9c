#include "music/mci_commands.h"

#include "base/text_value.h"

#include <cstdint>
#include <limits>

namespace brelvix {
namespace {

constexpr wchar_t kSequencer[] = L"sequencer";
constexpr wchar_t kWaveAudio[] = L"waveaudio";
// The device the system chooses for an MP3.
constexpr wchar_t kMpegVideo[] = L"mpegvideo";
// Device counts are 32-bit: nothing larger comes back from a real reply.
constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();

// The last extension of the file's name, lower-cased, without its dot.
std::wstring ExtensionOf(std::wstring_view path) {
    std::size_t name = path.find_last_of(L"\\/:");
    std::size_t dot = path.rfind(L'.');
    if (dot == std::wstring_view::npos || (name != std::wstring_view::npos && dot < name)) {
        return {};
    }
    return ToLowerText(path.substr(dot + 1));
}

} // namespace

std::wstring DeviceType(std::wstring_view path) {
    std::wstring extension = ExtensionOf(path);
    if (extension == L"mid" || extension == L"midi" || extension == L"rmi") {
        return kSequencer;
    }
    return extension == L"wav" ? kWaveAudio : L"";
}

std::wstring OpenCommand(const std::wstring& path, const std::wstring& alias) {
    std::wstring type = DeviceType(path);
    bool blank = path.find(L' ') != std::wstring::npos;
    std::wstring device = path;
    std::wstring typeWords;
    if (path.find(L'!') != std::wstring::npos) {
        device = (type.empty() ? kMpegVideo : type) + L"!" + path;
    } else if (!type.empty() && blank) {
        // A prefix before a quoted path is refused: the type is named after it.
        typeWords = L" type " + type;
    } else if (!type.empty()) {
        device = type + L"!" + path;
    }
    if (blank) {
        device = L"\"" + device + L"\"";
    }
    return L"open " + device + typeWords + L" alias " + alias;
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

std::wstring ModeCommand(const std::wstring& alias) {
    return L"status " + alias + L" mode";
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

long FallbackDivisor(std::wstring_view deviceType) {
    return deviceType == kSequencer ? 10 : 1000;
}

long UnitsFromReply(std::wstring_view reply) {
    return static_cast<long>(ClampedWhole(NumericValue(reply), 0, kLargest));
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
    return static_cast<int>(ClampedWhole(percent, 0, 100));
}

} // namespace brelvix
