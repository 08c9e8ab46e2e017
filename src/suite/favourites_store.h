#pragma once

#include "platform/db/connection.h"

#include <QList>
#include <QString>
#include <array>

namespace zrk::suite {

// One favourite as the editor keeps it; a new one has no FInnerID yet (0).
struct StoredFavourite {
    int innerId = 0;
    QString caption;
    QString launchText;
};

// A function the suite offers for the favourites: its caption and its menu launch text.
struct OfferedFunction {
    QString caption;
    QString launchText;
};

inline constexpr int kFavouriteTypes = 3; // 1 bills, 2 journals, 3 reports

// The owner's favourites of t_UserMenuStore while the editor runs: the three lists by type in
// their order; save() writes the changes in one transaction.
class FavouritesStore {
public:
    FavouritesStore(db::Connection& company, int userId) : company_(company), userId_(userId) {}

    void load();
    // The favourites of a type (1 to 3) in order; none for another type.
    const QList<StoredFavourite>& ofType(int type) const;
    bool changed() const { return changed_; }

    // Each false when the type or the row does not exist (or, for a move, it cannot move).
    bool remove(int type, int row);
    bool move(int type, int row, int delta);
    bool rename(int type, int row, const QString& caption);
    bool add(int type, const OfferedFunction& function);

    // Writes every list: removed rows deleted, the others with their caption and order, new
    // ones added with the next free FInnerID. Nothing is written when a statement fails.
    void save();

private:
    QList<StoredFavourite>* list(int type);
    void writeList(int type, int& nextId);

    db::Connection& company_;
    int userId_;
    std::array<QList<StoredFavourite>, kFavouriteTypes> lists_;
    QList<int> removed_;
    bool changed_ = false;
};

// What the suite offers for a type: the bills and journals it carries, and for reports the
// reports of the account set's catalogue (t_Rpt_Content, of type 1).
QList<OfferedFunction> offeredFunctions(db::Connection& company, int type);

} // namespace zrk::suite
