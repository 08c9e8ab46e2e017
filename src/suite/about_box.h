#pragma once

#include "core/roles/menu_roles.h"
#include "platform/dictionary.h"
#include "platform/object.h"
#include "platform/prompt_service.h"
#include "suite/suite_texts.h"

#include <QStringList>

namespace zrk::suite {

// What the about box shows, one line each: the product title, its edition, the version and
// build date, the toolkit's version, then the libraries the program uses with their licences.
// The application's dictionary gives "Title", "Edition" and "Version"; the version falls back to
// the running program's.
QStringList aboutLines(const Dictionary& application, const SuiteTexts& texts);

// AboutBox.About: the about box, shown modally through the prompt service.
class AboutBox : public Object, public IAboutBox {
public:
    AboutBox(PromptService& prompts, SuiteTexts texts) : prompts_(prompts), texts_(std::move(texts)) {}
    void show(const ObjectPtr& application) override;

private:
    PromptService& prompts_;
    SuiteTexts texts_;
};

} // namespace zrk::suite
