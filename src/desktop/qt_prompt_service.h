#pragma once

#include "platform/prompt_service.h"

namespace zrk {

// The desktop implementation: the toolkit's message boxes and QDialog::exec.
class QtPromptService : public PromptService {
public:
    MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    int execDialog(QDialog& dialog) override;
};

} // namespace zrk
