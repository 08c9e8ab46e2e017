#include "platform/db/tsql_object_name.h"

#include "platform/db/tsql_dialect.h"
#include "platform/db/tsql_errors.h"

namespace zrk::db::tsql {

ObjectName objectName(const Tokens& t, Range r) {
    QString last;
    for (int i = r.begin; i < r.end; ++i) {
        if (t[i].isName())
            last = t[i].text;
        else if (!t[i].isSymbol("."))
            syntaxError(t[i].text);
    }
    if (last.isEmpty())
        syntaxError(r.begin < static_cast<int>(t.size()) ? t[r.begin].text : QString());
    return {last, last.startsWith(QLatin1Char('#'))};
}

QString objectBaseName(const QString& name) {
    const Tokens t = tokenize(name);
    QString last;
    for (const Token& k : t)
        if (k.isName())
            last = k.text;
    return last.isEmpty() ? name.trimmed() : last;
}

} // namespace zrk::db::tsql
