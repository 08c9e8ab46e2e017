#pragma once

#include "core/roles/function_roles.h"
#include "platform/object.h"

#include <QPointer>

namespace zrk {

class MainFrame;

// The frame's command bar and status bar as objects a started function holds (ActiveBar,
// StatusBar of the service object). A frame that is gone raises error 91.
class FrameBars : public Object, public IStatusBarControl, public ICommandBarControl {
public:
    explicit FrameBars(MainFrame* frame) : frame_(frame) {}

    QString panelText(int number) override;
    void setPanelText(int number, const QString& text) override;
    bool keyDown(int keyCode, int shift) override;
    bool keyUp(int keyCode, int shift) override;

private:
    MainFrame& frame() const;

    QPointer<MainFrame> frame_;
};

} // namespace zrk
