#pragma once

// Reading and clicking the rows of a grid as the owner does.

#include <QStringList>
#include <QTableView>
#include <QTest>

namespace zrk::test {

inline QStringList captions(QTableView* view) {
    QStringList out;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        out << view->model()->index(row, 0).data().toString();
    return out;
}

inline QPoint cellCentre(QTableView* view, int row) {
    const QModelIndex cell = view->model()->index(row, 0);
    view->scrollTo(cell);
    return view->visualRect(cell).center();
}

// A double click as the platform delivers it: the first click, then the second as a double click.
inline void doubleClickRow(QTableView* view, int row) {
    const QPoint centre = cellCentre(view, row);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

inline void clickRow(QTableView* view, int row) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCentre(view, row));
}

} // namespace zrk::test
