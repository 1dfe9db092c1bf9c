// The codes the program's input handlers speak in, whatever window the input
// reached: mouse buttons, shift states and the few keys the rules name.
#pragma once

namespace brelvix {

inline constexpr int kButtonLeft = 1;
inline constexpr int kButtonRight = 2;
inline constexpr int kButtonMiddle = 4;
// Shift states add up: Shift + Ctrl is 3.
inline constexpr int kShiftNone = 0;
inline constexpr int kShiftShift = 1;
inline constexpr int kShiftCtrl = 2;
inline constexpr int kShiftAlt = 4;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyF1 = 112;

} // namespace brelvix
