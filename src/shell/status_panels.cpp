#include "shell/status_panels.h"

#include <QEvent>
#include <QMouseEvent>

namespace zrk {

StatusPanels::StatusPanels(QStatusBar& bar) : QObject(&bar) {
    for (int i = 0; i < kCount; ++i) {
        auto* label = new QLabel(&bar);
        label->setObjectName(QStringLiteral("sbPanel%1").arg(i + 1));
        label->setMinimumWidth(i == 0 ? 160 : 110);
        label->setContentsMargins(6, 0, 6, 0);
        if (i == 0)
            bar.addWidget(label, 1);
        else
            bar.addPermanentWidget(label);
        labels_[static_cast<size_t>(i)] = label;
    }
    panel(kPeriod)->setProperty("key", QStringLiteral("period"));
    panel(kUser)->installEventFilter(this);
}

QLabel* StatusPanels::panel(int panel) const {
    return panel >= 1 && panel <= kCount ? labels_[static_cast<size_t>(panel - 1)] : nullptr;
}

void StatusPanels::setText(int number, const QString& text) {
    if (QLabel* label = panel(number))
        label->setText(text);
}

QString StatusPanels::text(int number) const {
    const QLabel* label = panel(number);
    return label ? label->text() : QString();
}

bool StatusPanels::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel(kUser) && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit userPanelClicked();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zrk
