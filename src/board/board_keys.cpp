#include "board/board_keys.h"

#include "launch/key_codes.h"

namespace zrk {

BoardKey boardKeyAction(int keyCode, int shift) {
    if (keyCode == keycode::F1)
        return BoardKey::Help;
    if (keyCode == keycode::F10 && shift == 0)
        return BoardKey::CommandBar;
    const bool letter = keyCode >= 'A' && keyCode <= 'Z';
    if (shift == kAltMask && (letter || keyCode == 0))
        return BoardKey::CommandBar;
    return BoardKey::Control;
}

} // namespace zrk
