#pragma once

class QPaintDevice;

namespace zrk {

class ConsoleContext;

// 96 divided by the device's logical dots per inch, horizontally or vertically; also kept as the
// process's screen scale factor.
double getScreenScale(ConsoleContext& ctx, const QPaintDevice& device, bool horizontal);

} // namespace zrk
