#pragma once

#include <QString>

// Readers of the session property string: key=value items each ended by ";", the connection
// string enclosed in braces. They take any text and never fail: what is not there reads as "".
namespace zrk {

// The value of the first "key=" found anywhere in the text (letter case ignored, not anchored to
// an item's start), up to the separator. For ConnectString the braces are dropped.
QString getPropValue(const QString& text, const QString& key, const QString& separator);

// The same without the brace rule: with separator "};" the ConnectString value keeps its "{".
QString getItemValue(const QString& text, const QString& key, const QString& separator);

// Mode 0: the contents of the first brace group; 1: the value of the first item after it;
// 2: the value of the second item after it; any other mode: "".
QString getBraceField(const QString& text, int mode);

} // namespace zrk
