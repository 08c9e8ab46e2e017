#include "suite/menu_store.h"

#include "platform/caught_error.h"
#include "platform/error.h"
#include "suite/favourites_dialog.h"
#include "suite/log_category.h"

namespace zrk::suite {

namespace {

const QString kNotSaved = QStringLiteral("收藏夹没有保存：%1");

} // namespace

DictionaryPtr MenuStore::showSetting(DictionaryPtr& params) {
    auto answer = std::make_shared<Dictionary>();
    bool saved = false;
    try {
        saved = params && edit(*params);
    } catch (const Error& e) {
        logCaughtError(lcSuite(), "MenuStore::showSetting: reported to the user", e);
        prompts_.messageBox(texts_.pattern(kNotSaved, {e.description()}), texts_.text(kSuiteMessageTitle),
                            MessageIcon::Critical, MessageButtons::Ok);
    }
    answer->set(QStringLiteral("isSetting"), saved);
    return answer;
}

bool MenuStore::edit(const Dictionary& params) {
    db::Connection company;
    company.open(params.value(QStringLiteral("CnnStr"), QString()).toString());
    FavouritesStore store(company, params.value(QStringLiteral("UserID"), QString()).toString().toInt());
    store.load();
    std::array<QList<OfferedFunction>, kFavouriteTypes> offered;
    for (int type = 1; type <= kFavouriteTypes; ++type)
        offered[static_cast<size_t>(type - 1)] = offeredFunctions(company, type);
    FavouritesDialog dialog(store, offered, texts_);
    if (prompts_.execDialog(dialog) != QDialog::Accepted || !store.changed())
        return false;
    store.save();
    return true;
}

} // namespace zrk::suite
