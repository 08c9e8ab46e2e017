#pragma once

#include "platform/dictionary.h"
#include "shell/command_bar.h"

#include <QList>
#include <QString>

namespace zrk {

class ConsoleContext;

// One of the owner's favourite functions (a row of t_UserMenuStore).
struct Favourite {
    int innerId = 0;
    int type = 0; // 1 bills, 2 journals, 3 reports
    QString caption;
    QString launchText;
};

// The logged-on user's favourites from the company database, by type and order. Errors pass on.
QList<Favourite> readFavourites(ConsoleContext& ctx);

// Fills the three favourites bands anew: a tool per favourite, named with its band's name and
// its FInnerID, its caption the favourite's, its text tag the launch text and its numeric tag
// the FInnerID. A favourite of another type is left out.
void fillFavouriteBands(Bar& bar, const QList<Favourite>& favourites);

// The favourites editor's parameters from the session property string.
DictionaryPtr favouritesEditorParams(ConsoleContext& ctx, const QString& programFolder);

} // namespace zrk
