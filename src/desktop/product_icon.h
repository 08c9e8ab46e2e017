#pragma once

#include <QIcon>

namespace zrk {

// The console's own icon, drawn rather than loaded: a rounded square in the console's blue with
// a white "Z", at the sizes window frames and task bars ask for. Without it every window shows
// the toolkit's default icon.
QIcon productIcon();

} // namespace zrk
