#include "launch_widgets/host_window_factory.h"

#include "launch_widgets/sub_app_window.h"

#include <QMdiArea>

namespace zrk {

IHostWindow* HostWindowFactory::createHostWindow(IFrameServices& frame) {
    auto* area = qobject_cast<QMdiArea*>(frame.mdiArea());
    if (!area)
        return nullptr;
    auto* window = new SubAppWindow(ctx_, frame, *area);
    area->addSubWindow(window);
    window->hide();
    return &window->host();
}

} // namespace zrk
