#include "desktop/screen_scale.h"

#include "core/console_context.h"

#include <QPaintDevice>

namespace zrk {

double getScreenScale(ConsoleContext& ctx, const QPaintDevice& device, bool horizontal) {
    const int dpi = horizontal ? device.logicalDpiX() : device.logicalDpiY();
    const double scale = dpi > 0 ? 96.0 / dpi : 1.0;
    ctx.desktop().screenScale = scale;
    return scale;
}

} // namespace zrk
