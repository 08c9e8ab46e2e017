#pragma once

#include "shell/command_bar.h"

namespace zrk {

// The bands of the console's favourites, each a band of the favourites menu.
inline const QString kFavouriteBillBand = QStringLiteral("mnBillDetail");
inline const QString kFavouriteBookBand = QStringLiteral("mnBookDetail");
inline const QString kFavouriteReportBand = QStringLiteral("mnReportDetail");
inline const QString kMenuBarName = QStringLiteral("Menu");

// The console's own command bar: the menu bar "Menu" with the system, favourites, window and
// help menus, their drop-down bands, and the spare tool MenuCheck. Captions are untranslated;
// ids count from 1 in the order the tools are listed. On the menu bar the system and favourites
// menus have placement 1 and the window and help menus 4, so that a hosted form's menus with
// placement 1 come after the favourites and those with 4 before the window menu.
Bar consoleBar();

} // namespace zrk
