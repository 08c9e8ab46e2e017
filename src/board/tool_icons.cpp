#include "board/tool_icons.h"

#include "session/property_string.h"

#include <QStringList>

namespace zrk {

QString withTagItem(const QString& tag, const QString& key, const QString& value) {
    QStringList items = tag.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QString prefix = key + QLatin1Char('=');
    bool replaced = false;
    for (QString& item : items) {
        if (item.trimmed().startsWith(prefix, Qt::CaseInsensitive)) {
            item = prefix + value;
            replaced = true;
        }
    }
    if (!replaced)
        items << prefix + value;
    return items.join(QLatin1Char(';')) + QLatin1Char(';');
}

QString toolIconPicture(const QString& tag, int state) {
    return QStringLiteral("BTN_") + getItemValue(tag, QStringLiteral("Name"), QStringLiteral(";")) +
           QLatin1Char('_') + QString::number(state);
}

void ToolIconTracker::focusIn(ToolIconState& icon) {
    icon.tag = withTagItem(icon.tag, QStringLiteral("Status"), QStringLiteral("2"));
    icon.shown = 2;
}

void ToolIconTracker::focusOut(ToolIconState& icon) {
    icon.tag = withTagItem(icon.tag, QStringLiteral("Status"), QStringLiteral("1"));
    icon.shown = 1;
}

void ToolIconTracker::press(ToolIconState& icon) {
    icon.shown = 4;
}

ToolIconTracker::Capture ToolIconTracker::move(ToolIconState& icon, bool inside) {
    if (captured_ && !inside) {
        captured_ = false;
        const QString status = getItemValue(icon.tag, QStringLiteral("Status"), QStringLiteral(";"));
        icon.shown = status.isEmpty() ? 1 : status.toInt();
        return Capture::Release;
    }
    if (!captured_) {
        captured_ = true;
        icon.shown = 3;
        return Capture::Take;
    }
    return Capture::Keep;
}

ToolIconTracker::Capture ToolIconTracker::click() {
    if (!captured_)
        return Capture::Keep;
    captured_ = false;
    return Capture::Release;
}

} // namespace zrk
