#pragma once

#include "platform/dictionary.h"
#include "platform/error.h"

#include <QString>
#include <QVariantMap>

namespace zrk {

// The values of the session bus as the console's automation values. A bus carries no dates and
// no objects; its integers and texts become the suite's integers and texts.

// The value under `key` of a call's map: booleans, texts and doubles as they are; integers of up
// to 16 bits as Int16 and of up to 32 bits as Int32; a larger integer raises Overflow (6); an
// array, a structure or any other value raises Type mismatch (13), naming the key.
Variant variantFromBus(const QVariant& value, const QString& key);

// A call's string-keyed map as a dictionary, in the map's order; errors as variantFromBus.
DictionaryPtr dictionaryFromBus(const QVariantMap& map);

// The message of the bus error that carries `error`: three lines "number: ", "source: " and
// "description: ", the number in decimal as the error has it.
QString busErrorMessage(const Error& error);

} // namespace zrk
