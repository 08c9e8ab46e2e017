#pragma once

// The five analysis tabs and which selectors each offers.

#include <QColor>
#include <QString>
#include <QStringList>

namespace zrk::analysis {

enum class Analysis {
    SalesProfit = 0,
    ReceiptsPayments = 1,
    StockByWarehouse = 2,
    OrderExecution = 3,
    StockDeviation = 4
};
inline constexpr int kAnalysisCount = 5;

// What the document selector holds on a tab.
enum class DocumentList { Hidden, BillKinds, Currencies };

// The selectors of one tab: shown or hidden, the document selector's caption and the object list.
struct TabSelectors {
    bool timeShown = false;
    DocumentList documents = DocumentList::Hidden;
    QString documentCaption; // untranslated; empty when the selector is hidden
    QStringList objects;     // untranslated; empty when the object selector is hidden
    bool objectShown() const { return !objects.isEmpty(); }
};

// The untranslated caption of a tab, 0..4; empty for any other index.
QString tabCaption(int tab);
// The selectors of a tab; all hidden for an index outside 0..4.
TabSelectors tabSelectors(int tab);
// The document kinds of the sales-profit analysis: "出库单", "发票".
QStringList billKinds();

// The panel's title and the captions of the selectors.
inline const QString kPanelTitle = QStringLiteral("经营分析");
inline const QString kTimeCaption = QStringLiteral("时间");
inline const QString kObjectCaption = QStringLiteral("对象");

// The background of a tab that is not selected (light blue, red 228 green 242 blue 255); the
// selected one has the window colour.
inline QColor unselectedTabColour() {
    return QColor(228, 242, 255);
}

// The statement that fills the currency list.
inline const QString kCurrencyListSql =
    QStringLiteral(" Select FCurrencyID,FName from t_Currency Where FCurrencyID>0 ");

} // namespace zrk::analysis
