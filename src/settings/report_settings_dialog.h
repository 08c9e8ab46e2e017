#pragma once

#include "settings/report_rows_model.h"
#include "settings/report_settings_presenter.h"

#include <QDialog>

class QLineEdit;
class QTableView;

namespace zrk {

// The modal dialog "报表设置" (frmReportSet): the reports the board does not list on the left
// (fpLeft), those it lists on the right (fpRight) in their order, search boxes above them and
// the buttons between and below. It mirrors the presenter and forwards the owner's acts.
class ReportSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ReportSettingsDialog(ConsoleContext& ctx, db::Connection& company, QWidget* parent = nullptr);

    bool hasSaved() const { return presenter_.hasSaved(); }
    const ReportSettingsPresenter& presenter() const { return presenter_; }

    // Every way of closing (cmdExit, the close button, Escape) comes here and may be refused.
    void reject() override;

private:
    struct Side {
        ReportSide side;
        ReportRowsModel* model = nullptr;
        QTableView* grid = nullptr;
        QLineEdit* search = nullptr;
    };

    QWidget* buildSide(Side& side, const QString& name, const QString& title, const QString& searchLabel,
                       const QString& hint);
    QWidget* buildMoveButtons();
    QWidget* buildBottomButtons();
    void moveActiveRow(const Side& from);
    void moveAll(ReportSide from);
    void search(const Side& side, const QString& text);
    void showLists();

    ConsoleContext& ctx_;
    ReportSettingsPresenter presenter_;
    Side left_{ReportSide::Left};
    Side right_{ReportSide::Right};
};

} // namespace zrk
