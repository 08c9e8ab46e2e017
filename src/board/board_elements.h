#pragma once

#include "platform/db/recordset.h"
#include "platform/dictionary.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace zrk {

// The two element sets the board reads once per load, and the one row of the cash-flow slot.
inline const QString kReportElementsSql = QStringLiteral(
    "Select * from t_Boss_ElementPosition where FDetailFuncType=3 and FisShow='1' order by Forder");
inline const QString kCommonDataElementsSql = QStringLiteral(
    "Select * from t_Boss_ElementPosition where FDetailFuncType=1 and FisShow='1' order by Forder");
inline const QString kCashFlowElementSql =
    QStringLiteral("Select * from t_Boss_ElementPosition where FAppType=0 and FZRKSubID=3 and FZRKIndex=5 ");
inline const QString kCashFlowElementKey = QStringLiteral("0|3|5");

// What one label of the board shows and what its click starts: an element key
// ("FAppType|FZRKSubID|FZRKIndex") or a six-field launch text, empty for nothing.
struct BoardLabel {
    QString caption;
    QString tag;
    bool visible = true;
    bool operator==(const BoardLabel&) const = default;

    // A label of the design: its caption, nothing to start.
    static BoardLabel designed(const QString& caption, bool visible = true) {
        return {caption, QString(), visible};
    }
};

inline constexpr int kCommonDataCount = 6;
using CommonDataLabels = std::array<BoardLabel, kCommonDataCount>;

// The captions of the six common-data labels as designed, kept where the set has no row.
CommonDataLabels designCommonData();

// The element key of the current record.
QString elementKey(db::Recordset& rs);

// The three numbers of an element key; none unless the tag has exactly three "|" parts, each a
// whole number (anything else cannot name a row).
std::optional<QStringList> splitElementKey(const QString& tag);

// The board launch text of the current record of a report list:
// FDetailFuncID;FClassName;FSubFuncID;FClassParam;FFuncName;FFuncType, each through NullToText.
QString launchTextOf(db::Recordset& rs);

// The captions and keys of the common-data labels, in row order from the first record; the
// first six rows when there are more. Without a set the design stays.
CommonDataLabels fillCommonData(db::Recordset* commonData);

// The labels of the report list: the report elements (caption FZRKCaption, tag the element
// key), then the owner's reports (caption FFuncName, tag the launch text). None when there is
// no element set: the list is then left as it is.
std::optional<std::vector<BoardLabel>> reportListLabels(db::Recordset* reportElements,
                                                        db::Recordset* ownerReports);

// A function to start for an element: its component and its parameter dictionary.
struct ElementStart {
    QString className;
    DictionaryPtr params;
};

// The parameters of an element row: the row as a dictionary, then FUNCID, OTHERPARAM and
// FSubSystemID from FDetailFuncID, FClassParam and FSubFuncID, and for a report element
// FNoFilter False. None at the end of the rows.
std::optional<ElementStart> elementStartOf(db::Recordset& rs, bool reportElement);

// Finds the element of a key in the set by its filter, and starts nothing itself: the one
// matching row's start, none when the key is malformed or names no row or several. The
// filter is cleared again before it returns, however it returns.
std::optional<ElementStart> findElement(db::Recordset& set, const QString& tag, bool reportElement);

} // namespace zrk
