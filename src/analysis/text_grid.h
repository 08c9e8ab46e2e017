#pragma once

// The grids of the panel as plain values: the three summary grids under the analysis panel and
// the order grid of the order-execution analysis. Cells are addressed as the grids number them,
// column and row from 1; column 0 holds the row headings, row 0 the column headings.

#include <QString>
#include <QStringList>
#include <vector>

namespace zrk::analysis {

class TextGrid {
public:
    // A cell that holds a figure: where it is and what the owner reads it as.
    struct Figure {
        int column, row;
        QString rowText; // untranslated words naming the row (its headings joined by blanks)
        QString columnText;
    };

    TextGrid(QString caption, QString unit, int columns, int rows);

    const QString& caption() const { return caption_; }
    const QString& unit() const { return unit_; }
    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }
    // Column 0..columnCount, row 0..rowCount; "" outside.
    QString text(int column, int row) const;
    void setText(int column, int row, const QString& text);
    // Writes a figure as the grid shows it, "#,##0.00".
    void setFigure(int column, int row, double value);

    void addFigure(Figure figure) { figures_.push_back(std::move(figure)); }
    const std::vector<Figure>& figures() const { return figures_; }

    // "<caption> / <row> / <column>: <value>" for every figure cell, the words translated by tr.
    template <class Tr> QStringList ownerLines(const Tr& tr) const {
        QStringList lines;
        for (const Figure& f : figures_)
            lines << QStringLiteral("%1 / %2 / %3: %4")
                         .arg(tr(caption_), translatedWords(tr, f.rowText), tr(f.columnText),
                              text(f.column, f.row));
        return lines;
    }

    template <class Tr> static QString translatedWords(const Tr& tr, const QString& words) {
        QStringList out;
        for (const QString& word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            out << tr(word);
        return out.join(QLatin1Char(' '));
    }

private:
    int index(int column, int row) const { return row * (columns_ + 1) + column; }

    QString caption_, unit_;
    int columns_, rows_;
    std::vector<QString> cells_;
    std::vector<Figure> figures_;
};

// "今日交易": received and balance of receivables (rows 1, 2) and payables (rows 4, 5), column 2.
TextGrid arApSummaryGrid();
// "今日订单执行": purchase orders in rows 2..4, sales orders in rows 7..9, column 2.
TextGrid orderSummaryGrid();
// "今日库存": receipts in rows 1..4, issues in rows 6..9, column 3.
TextGrid stockSummaryGrid();
// The order grid of the order-execution analysis: purchase figures in row 3, sales in row 6,
// columns 1..3.
TextGrid orderExecutionGrid();

} // namespace zrk::analysis
