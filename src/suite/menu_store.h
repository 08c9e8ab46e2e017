#pragma once

#include "core/roles/menu_roles.h"
#include "platform/object.h"
#include "platform/prompt_service.h"
#include "suite/suite_texts.h"

namespace zrk::suite {

// MenuFavorites.MenuStore: the favourites editor over t_UserMenuStore of the account set named
// by "CnnStr", for the user "UserID". The answer's "isSetting" is true when the owner confirmed
// a change and it was saved; a database that cannot be reached is reported and changes nothing.
class MenuStore : public Object, public IMenuStore {
public:
    MenuStore(PromptService& prompts, SuiteTexts texts) : prompts_(prompts), texts_(std::move(texts)) {}

    DictionaryPtr showSetting(DictionaryPtr& params) override;

private:
    bool edit(const Dictionary& params);

    PromptService& prompts_;
    SuiteTexts texts_;
};

} // namespace zrk::suite
