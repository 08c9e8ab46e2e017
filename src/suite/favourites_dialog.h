#pragma once

#include "suite/favourites_store.h"
#include "suite/suite_texts.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace zrk::suite {

// The favourites editor: the owner's favourites of one type at a time, to remove, reorder,
// rename or add from the functions the suite offers. It changes the store; the caller saves it.
class FavouritesDialog : public QDialog {
    Q_OBJECT
public:
    FavouritesDialog(FavouritesStore& store, std::array<QList<OfferedFunction>, kFavouriteTypes> offered,
                     const SuiteTexts& texts, QWidget* parent = nullptr);

private:
    int type() const;
    int row() const;
    void showType();
    void showList(int selectRow);
    void moveSelected(int delta);

    FavouritesStore& store_;
    std::array<QList<OfferedFunction>, kFavouriteTypes> offered_;
    QComboBox* types_;
    QListWidget* list_;
    QLineEdit* caption_;
    QComboBox* offeredBox_;
};

} // namespace zrk::suite
