#include "analysis/text_grid.h"

#include "platform/vb_conversions.h"

namespace zrk::analysis {

TextGrid::TextGrid(QString caption, QString unit, int columns, int rows)
    : caption_(std::move(caption)), unit_(std::move(unit)), columns_(columns), rows_(rows),
      cells_(static_cast<std::size_t>((columns + 1) * (rows + 1))) {}

QString TextGrid::text(int column, int row) const {
    if (column < 0 || column > columns_ || row < 0 || row > rows_)
        return QString();
    return cells_[static_cast<std::size_t>(index(column, row))];
}

void TextGrid::setText(int column, int row, const QString& text) {
    if (column < 0 || column > columns_ || row < 0 || row > rows_)
        return;
    cells_[static_cast<std::size_t>(index(column, row))] = text;
}

void TextGrid::setFigure(int column, int row, double value) {
    setText(column, row, vb::format(value, QStringLiteral("#,##0.00")));
}

namespace {

// A heading in column 0 and the row's own words in column 1; the figure in `column`.
void labelFigure(TextGrid& grid, int row, const QString& heading, const QString& words, int column,
                 const QString& columnText) {
    grid.setText(0, row, heading);
    grid.setText(1, row, words);
    grid.addFigure({column, row, heading.isEmpty() ? words : heading + QLatin1Char(' ') + words, columnText});
}

} // namespace

TextGrid arApSummaryGrid() {
    TextGrid g(QStringLiteral("今日交易"), QStringLiteral("金额:元"), 2, 5);
    const QString amount = QStringLiteral("金额");
    g.setText(2, 0, amount);
    labelFigure(g, 1, QStringLiteral("应收"), QStringLiteral("实收金额"), 2, amount);
    labelFigure(g, 2, QStringLiteral("应收"), QStringLiteral("期末余额"), 2, amount);
    labelFigure(g, 4, QStringLiteral("应付"), QStringLiteral("实付金额"), 2, amount);
    labelFigure(g, 5, QStringLiteral("应付"), QStringLiteral("期末余额"), 2, amount);
    g.setText(0, 2, QString()); // a heading stands once, on the first row of its block
    g.setText(0, 5, QString());
    return g;
}

TextGrid orderSummaryGrid() {
    TextGrid g(QStringLiteral("今日订单执行"), QStringLiteral("数量:基本"), 2, 9);
    const QString quantity = QStringLiteral("数量");
    g.setText(2, 0, quantity);
    const struct {
        int firstRow;
        QString heading;
        QStringList words;
    } blocks[] = {
        {2,
         QStringLiteral("采购"),
         {QStringLiteral("签订"), QStringLiteral("入库"), QStringLiteral("未入库")}},
        {7,
         QStringLiteral("销售"),
         {QStringLiteral("签订"), QStringLiteral("出库"), QStringLiteral("未出库")}},
    };
    for (const auto& block : blocks) {
        g.setText(1, block.firstRow - 1, block.heading);
        for (int i = 0; i < block.words.size(); ++i) {
            g.setText(1, block.firstRow + i, block.words[i]);
            g.addFigure({2, block.firstRow + i, block.heading + QLatin1Char(' ') + block.words[i], quantity});
        }
    }
    return g;
}

TextGrid stockSummaryGrid() {
    TextGrid g(QStringLiteral("今日库存"), QStringLiteral("金额:元 数量:基本"), 3, 9);
    const QString today = QStringLiteral("本日");
    g.setText(3, 0, today);
    const QString headings[] = {QStringLiteral("外购入库"), QStringLiteral("入库合计"),
                                QStringLiteral("销售出库"), QStringLiteral("出库合计")};
    const int firstRows[] = {1, 3, 6, 8};
    for (int i = 0; i < 4; ++i) {
        const int row = firstRows[i];
        g.setText(1, row, headings[i]);
        const QString kinds[] = {QStringLiteral("数量"), QStringLiteral("金额")};
        for (int k = 0; k < 2; ++k) {
            g.setText(2, row + k, kinds[k]);
            g.addFigure({3, row + k, headings[i] + QLatin1Char(' ') + kinds[k], today});
        }
    }
    return g;
}

TextGrid orderExecutionGrid() {
    TextGrid g(QString(), QString(), 3, 6);
    const struct {
        int row;
        QString title;
        QStringList headings;
    } blocks[] = {
        {1,
         QStringLiteral("采购(数量:基本)"),
         {QStringLiteral("签订"), QStringLiteral("入库"), QStringLiteral("未入库")}},
        {4,
         QStringLiteral("销售(数量:基本)"),
         {QStringLiteral("签订"), QStringLiteral("出库"), QStringLiteral("未出库")}},
    };
    for (const auto& block : blocks) {
        g.setText(1, block.row, block.title);
        for (int c = 0; c < 3; ++c) {
            g.setText(c + 1, block.row + 1, block.headings[c]);
            g.addFigure({c + 1, block.row + 2, block.title, block.headings[c]});
        }
    }
    return g;
}

} // namespace zrk::analysis
