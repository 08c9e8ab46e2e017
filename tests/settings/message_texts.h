#pragma once

#include "platform/scripted_messages.h"

#include <QStringList>

namespace zrk::test {

// The texts of the message boxes shown, in order.
inline QStringList messageTexts(const ScriptedMessages& prompts) {
    QStringList out;
    for (const auto& m : prompts.messages())
        out << m.text;
    return out;
}

} // namespace zrk::test
