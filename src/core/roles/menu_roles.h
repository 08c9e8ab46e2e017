#pragma once

// The suite's components that the frame's menus start: the favourites editor, the about box and
// the report import. The console reaches them only by ProgID.

#include "platform/dictionary.h"
#include "platform/object.h"

#include <QString>
#include <cstdint>

namespace zrk {

inline const QString kMenuStoreProgId = QStringLiteral("MenuFavorites.MenuStore");
inline const QString kAboutBoxProgId = QStringLiteral("AboutBox.About");
inline const QString kReportTransferProgId = QStringLiteral("ReportTransfer.clsMain");

// MenuFavorites.MenuStore: the owner's favourites editor over t_UserMenuStore.
class IMenuStore {
public:
    virtual ~IMenuStore() = default;
    // The editor, modal, with "CnnStr", "UserID", "AcctName" and "AcctID"; the answer's
    // "isSetting" is true when the owner changed the favourites.
    virtual DictionaryPtr showSetting(DictionaryPtr& params) = 0;
};

// AboutBox.About: the about box of the product.
class IAboutBox {
public:
    virtual ~IAboutBox() = default;
    // Shows the box modally; `application` is the program's object (none in this console).
    virtual void show(const ObjectPtr& application) = 0;
};

// ReportTransfer.clsMain: imports report definitions into the account set's report catalogue.
class IReportTransfer {
public:
    virtual ~IReportTransfer() = default;
    virtual void setVersion(std::int16_t version) = 0;
    virtual std::int16_t version() = 0;
    // Asks for a file (in `folder` when given) and imports it in one transaction; true when
    // the file was imported.
    virtual bool import(const QString& propsString, const QString& folder = QString()) = 0;
    // True when the last import added or changed rows of the catalogue.
    virtual bool hasChanged() = 0;
};

} // namespace zrk
