#include "shell/frame_bars.h"

#include "shell/main_frame.h"

namespace zrk {

MainFrame& FrameBars::frame() const {
    if (!frame_)
        throw Error(errnum::ObjectVariableNotSet, QStringLiteral("QVMain.MDIMain"),
                    QStringLiteral("The main window is gone"));
    return *frame_;
}

QString FrameBars::panelText(int number) {
    return frame().panelText(number);
}

void FrameBars::setPanelText(int number, const QString& text) {
    frame().setPanelText(number, text);
}

bool FrameBars::keyDown(int keyCode, int shift) {
    return frame().barKeyDown(keyCode, shift);
}

bool FrameBars::keyUp(int keyCode, int shift) {
    return frame().barKeyUp(keyCode, shift);
}

} // namespace zrk
