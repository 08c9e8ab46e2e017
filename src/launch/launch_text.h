#pragma once

#include "platform/dictionary.h"

#include <QString>
#include <QStringList>

namespace zrk {

// A launch text: six fields separated by ";" naming a function and its parameters, in the
// board form (FDetailFuncID; FClassName; FSubFuncID; FClassParam; FFuncName; FFuncType) or the
// menu form (FUNCID; FClassName; FSubSystemID; OTHERPARAM; FFuncName; FFuncType).
inline constexpr int kLaunchFieldCount = 6;

// The fields of a launch text. Fewer than six raise Subscript out of range (9); a sixth field
// that is no Boolean raises Type mismatch (13).
QStringList launchFields(const QString& launchText);

// Field 5 by the text-to-Boolean rules.
bool launchFuncType(const QStringList& fields);

// The parameters of a menu start: the six menu keys in field order, FFuncType as a Boolean.
DictionaryPtr menuParameters(const QString& launchText);

// The first nine parameters of a direct start from the board, in their order: ClassObject,
// LoginType, FUNCID, OTHERPARAM, FFuncName, FClassParam, FClassName, UserName, FFuncType.
DictionaryPtr boardParameters(const QString& launchText, const QString& userName);

} // namespace zrk
