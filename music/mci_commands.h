// The command lines this program sends to the media control interface and
// the way it reads the numbers that come back.
#pragma once

#include <string>
#include <string_view>

namespace brelvix {

// The device a song opens with, from the path alone: "sequencer!" when it
// holds ".mid" anywhere (any case, folders too), else "waveaudio!" when it
// holds ".wav", else "" (the system picks the device from the extension).
std::wstring DevicePrefix(std::wstring_view path);

// "open sequencer!C:\MUSIC\SONG1.MID alias frmSS". A path with a blank cannot
// stand unquoted, so it is quoted and its device named by type:
// open "C:\My Music\a.mid" type sequencer alias frmSS.
std::wstring OpenCommand(const std::wstring& path, const std::wstring& alias);
std::wstring TimeFormatCommand(const std::wstring& alias);
std::wstring LengthCommand(const std::wstring& alias);
std::wstring PlayCommand(const std::wstring& alias);
std::wstring PositionCommand(const std::wstring& alias);
std::wstring CloseCommand(const std::wstring& alias);
std::wstring PauseCommand(const std::wstring& alias);
std::wstring ResumeCommand(const std::wstring& alias);

// Time units per second when the device refused milliseconds: a sequencer
// then counts in tenths, everything else is taken as milliseconds.
long FallbackDivisor(std::wstring_view prefix);

// A reply in device units as whole seconds, a half going to the even
// neighbour (2500 ms -> 2 s, 3500 ms -> 4 s). Never negative.
long SecondsFromReply(std::wstring_view reply, long divisor);

// "mm:ss": at least two digits of minutes (03:07, 125:00).
std::wstring MinutesSeconds(long seconds);

// How far into the song the position is, in whole percent; 0 when the
// length is unknown or 0, since there is nothing to divide by.
int Percentage(long positionSecs, long lengthSecs);

} // namespace brelvix
