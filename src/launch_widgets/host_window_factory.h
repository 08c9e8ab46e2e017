#pragma once

#include "core/roles/console_roles.h"

namespace zrk {

class ConsoleContext;

// Makes the host windows (frmSub) in the frame's multiple-document area, hidden: the window
// shows itself once its hosted form was shown.
class HostWindowFactory : public IHostWindowFactory {
public:
    explicit HostWindowFactory(ConsoleContext& ctx) : ctx_(ctx) {}
    IHostWindow* createHostWindow(IFrameServices& frame) override;

private:
    ConsoleContext& ctx_;
};

} // namespace zrk
