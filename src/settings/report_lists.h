#pragma once

#include "settings/report_row.h"

#include <QList>
#include <QString>

namespace zrk {

// The left grid lists what the board does not show, the right grid what it shows, in order.
enum class ReportSide { Left, Right };

// The report settings' state: the two ordered lists and whether the owner changed them.
// dirty: rows were moved since the last save; moved: a row was ever moved, or the defaults were
// restored; saved: a save or a restore succeeded.
class ReportLists {
public:
    // Replaces both lists with what the database holds; the flags stay as they are.
    void fill(QList<ReportRow> hidden, QList<ReportRow> shown);

    const QList<ReportRow>& rows(ReportSide side) const { return side == ReportSide::Left ? left_ : right_; }

    // Moves the row (counted from 0) to the end of the other list; false, and nothing changes,
    // when there is no such row.
    bool move(ReportSide from, int row);
    // Moves every row, from the last one up, so the other list receives them in reverse order.
    void moveAll(ReportSide from);

    void markSaved();
    // After the defaults were restored and both lists read again.
    void markRestored();

    bool dirty() const { return dirty_; }
    bool moved() const { return moved_; }
    bool saved() const { return saved_; }
    // What the dialog reports to its caller: a change was made and written.
    bool hasSaved() const { return moved_ && saved_; }

private:
    QList<ReportRow>& list(ReportSide side) { return side == ReportSide::Left ? left_ : right_; }

    QList<ReportRow> left_;
    QList<ReportRow> right_;
    bool dirty_ = false;
    bool moved_ = false;
    bool saved_ = false;
};

// The first row, from the top, whose caption contains the text without its surrounding blanks,
// ignoring letter case; -1 when none does.
int findReportRow(const QList<ReportRow>& rows, const QString& text);

} // namespace zrk
