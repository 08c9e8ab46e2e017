#pragma once

#include "core/roles/component_roles.h"
#include "platform/object.h"

namespace zrk::suite {

// FormText.FrmResLoader: translates a form's caption and the texts of its labels, buttons,
// group boxes and tabs in place, and returns the translated texts in that order.
class FormTextLoader : public Object, public IFormTextLoader {
public:
    QStringList loadFrmResStrings(QObject*& form, const QString& languageId, const QString& resDirectory,
                                  const QString& baseName, Variant& extra) override;
};

} // namespace zrk::suite
