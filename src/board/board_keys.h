#pragma once

namespace zrk {

// What the board window does with a key (platform key code and shift state): F1 opens the help
// and goes no further; F10 without a shift key, and Alt with a letter (or with no key code),
// go to the command bar unchanged; every other key is the focused control's.
enum class BoardKey { Help, CommandBar, Control };

BoardKey boardKeyAction(int keyCode, int shift);

} // namespace zrk
