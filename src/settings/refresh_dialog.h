#pragma once

#include "settings/refresh_settings_presenter.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace zrk {

// The modal dialog "自动刷新设置" (frmRefresh): no automatic refresh (optNotRef), or a refresh
// every so many minutes (optRef with the box txtValue), confirmed with cmdOK or left with cmdExit.
class RefreshDialog : public QDialog {
    Q_OBJECT
public:
    RefreshDialog(ConsoleContext& ctx, IBoardRefresh& board, QWidget* parent = nullptr);

    // True after a confirmed save, false after a cancel.
    bool ok() const { return presenter_.ok(); }
    void setOk(bool ok) { presenter_.setOk(ok); }

    // cmdExit, the close button and Escape: nothing is stored.
    void reject() override;

protected:
    // The minutes box takes only the characters refreshKeyPasses lets through.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Enabled on the window-background colour, or disabled on the button-face colour.
    void enableMinutes(bool on);
    void confirm();

    RefreshSettingsPresenter presenter_;
    QRadioButton* notRefresh_ = nullptr;
    QRadioButton* refresh_ = nullptr;
    QLineEdit* minutes_ = nullptr;
};

} // namespace zrk
