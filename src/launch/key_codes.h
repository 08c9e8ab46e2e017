#pragma once

#include <Qt>

namespace zrk {

// The platform's key codes and shift states that the host windows route to the command bar.
namespace keycode {
inline constexpr int F1 = 112;
inline constexpr int F10 = 121;
inline constexpr int F12 = 123;
inline constexpr int NumpadPlus = 107;
} // namespace keycode

inline constexpr int kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;

// The platform's key code of a key (letters and digits as their upper-case character, the
// function keys from 112, the keypad's plus 107); 0 for a key without one.
int platformKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
// The shift state: 1 Shift, 2 Ctrl, 4 Alt, added.
int platformShiftState(Qt::KeyboardModifiers modifiers);
// The key of a function-key code (112 to 123); 0 for any other.
int qtKeyOfFunctionKey(int keyCode);

} // namespace zrk
