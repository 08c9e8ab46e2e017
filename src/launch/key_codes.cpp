#include "launch/key_codes.h"

namespace zrk {

int platformKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return keycode::F1 + (qtKey - Qt::Key_F1);
    if (qtKey == Qt::Key_Plus && (modifiers & Qt::KeypadModifier))
        return keycode::NumpadPlus;
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    return 0;
}

int platformShiftState(Qt::KeyboardModifiers modifiers) {
    return ((modifiers & Qt::ShiftModifier) ? kShiftMask : 0) |
           ((modifiers & Qt::ControlModifier) ? kCtrlMask : 0) |
           ((modifiers & Qt::AltModifier) ? kAltMask : 0);
}

int qtKeyOfFunctionKey(int keyCode) {
    return keyCode >= keycode::F1 && keyCode <= keycode::F12 ? Qt::Key_F1 + (keyCode - keycode::F1) : 0;
}

} // namespace zrk
