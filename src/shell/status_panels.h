#pragma once

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

    static constexpr int kCount = 5;
    static constexpr int kStatus = 1, kCompany = 2, kAccountSet = 3, kPeriod = 4, kUser = 5;

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
