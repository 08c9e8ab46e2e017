#pragma once

#include "shell/frame_presenter.h"

#include <QLabel>
#include <QStatusBar>
#include <array>

namespace zrk {

// The five panels of the main window's status bar: status text, company, account set, period
// (key "period") and user name. A click on the user-name panel emits userPanelClicked.
class StatusPanels : public QObject {
    Q_OBJECT
public:
    explicit StatusPanels(QStatusBar& bar);

    static constexpr int kCount = panel::kCount;
    static constexpr int kStatus = panel::kStatus, kCompany = panel::kCompany, kAccountSet = panel::kAccountSet,
                         kPeriod = panel::kPeriod, kUser = panel::kUser;

    // Panels are numbered from 1.
    void setText(int panel, const QString& text);
    QString text(int panel) const;
    QLabel* panel(int panel) const;

signals:
    void userPanelClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, kCount> labels_{};
};

} // namespace zrk
