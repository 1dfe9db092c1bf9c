// The command lines this program sends to the media control interface and
// the way it reads the numbers that come back.
#pragma once

#include <string>
#include <string_view>

namespace brelvix {

// The device a song opens with, from the file's own extension (any case):
// "sequencer" for .mid, .midi and .rmi, "waveaudio" for .wav, else "" (the
// system picks the device from the extension; this is how MP3 files open).
// A folder's name plays no part: "C:\Best.Of.Midnight Oil\a.mp3" is an MP3.
std::wstring DeviceType(std::wstring_view path);

// "open sequencer!C:\MUSIC\SONG1.MID alias frmSS". A path with a blank cannot
// stand unquoted, so it is quoted and its device named by type:
// open "C:\My Music\a.mid" type sequencer alias frmSS.
// MCI cuts the device name at its first "!", quotes or not, so a path that
// holds one opens only behind a device prefix, which takes that first "!":
// open "mpegvideo!C:\Wham!\Club Tropicana.mp3" alias frmSS (an MP3 and
// anything else the system would choose for goes to "mpegvideo").
std::wstring OpenCommand(const std::wstring& path, const std::wstring& alias);
std::wstring TimeFormatCommand(const std::wstring& alias);
std::wstring LengthCommand(const std::wstring& alias);
std::wstring PlayCommand(const std::wstring& alias);
std::wstring PositionCommand(const std::wstring& alias);
std::wstring ModeCommand(const std::wstring& alias);
std::wstring CloseCommand(const std::wstring& alias);
std::wstring PauseCommand(const std::wstring& alias);
std::wstring ResumeCommand(const std::wstring& alias);

// Time units per second when the device refused milliseconds: a sequencer
// then counts in tenths, everything else is taken as milliseconds.
long FallbackDivisor(std::wstring_view deviceType);

// A reply's number of device units, held within 0 ... 2^31 - 1.
long UnitsFromReply(std::wstring_view reply);

// A reply in device units as whole seconds, a half going to the even
// neighbour (2500 ms -> 2 s, 3500 ms -> 4 s). Never negative.
long SecondsFromReply(std::wstring_view reply, long divisor);

// "mm:ss": at least two digits of minutes (03:07, 125:00).
std::wstring MinutesSeconds(long seconds);

// How far into the song the position is, in whole percent from 0 to 100: 0
// when the length is unknown or 0, since there is nothing to divide by, and
// 100 for a position past a length the device gave too short.
int Percentage(long positionSecs, long lengthSecs);

} // namespace brelvix
