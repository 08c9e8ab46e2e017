#pragma once

#include "platform/db/connection.h"
#include "platform/prompt_service.h"
#include "settings/report_lists.h"

#include <QString>

namespace zrk {

class ConsoleContext;

inline const QString kReportSettingsCaption = QStringLiteral("报表设置");
inline const QString kSavedText = QStringLiteral("保存成功!");
inline const QString kSaveFailedText = QStringLiteral("保存失败!");
inline const QString kRestoreQuestion = QStringLiteral("是否确认恢复为默认设置?");
inline const QString kChangedQuestion = QStringLiteral("数据已改动,是否保存?");
inline const QString kNoDefaultsText = QStringLiteral("默认设置中没有报表，无法恢复！");

// Which reports the board lists and in which order: the report elements of the board and the
// owner reports, read from and written to the console tables of the company database. The
// decisions and the messages are here; the dialog shows the lists and forwards the owner's acts.
class ReportSettingsPresenter {
public:
    ReportSettingsPresenter(ConsoleContext& ctx, db::Connection& company);

    // Reads both lists. An error is shown (its description) and leaves them empty: false.
    bool load();

    const ReportLists& lists() const { return lists_; }
    bool move(ReportSide from, int row) { return lists_.move(from, row); }
    void moveAll(ReportSide from) { lists_.moveAll(from); }

    // Writes the right list in one transaction: every report hidden, then each row of the right
    // list shown in its order. "保存成功!" on success; on any error everything is rolled back,
    // "保存失败!" is shown and the lists and their state stay as they were.
    bool save();

    // Asks "是否确认恢复为默认设置?"; on yes, in one transaction, shows the backup's board report
    // elements in the backup's order and hides every owner report, then reads both lists again.
    // A backup without any board report element is refused with a message: there is nothing to
    // restore, and the owner's choice stays. An error rolls back and is shown.
    bool restoreDefaults();

    // Whether the dialog may close: with unsaved moves, asks "数据已改动,是否保存?": yes saves
    // (a failed save keeps the dialog open), no closes, cancel stays.
    bool mayClose();

    bool hasSaved() const { return lists_.hasSaved(); }

private:
    QList<ReportRow> readRows(bool shown);
    void writeDefaults();
    MessageAnswer ask(const QString& question, MessageButtons buttons);

    ConsoleContext& ctx_;
    db::Connection& company_;
    ReportLists lists_;
};

} // namespace zrk
