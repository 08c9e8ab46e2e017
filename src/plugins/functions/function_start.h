#pragma once

#include "platform/dictionary.h"
#include "plugins/functions/list_source.h"

#include <QString>

namespace zrk::functions {

// The suite's function components, one per kind of list they show.
enum class FunctionKind { CoreData, Accounts, Prices, Bills, Reports };

struct FunctionInfo {
    FunctionKind kind;
    QString progId;
    QString subSystemKey;
};

// The functions this plug-in provides (BillCenter.BillEdit opens the bills of its type as the
// bill list does: the documents are shown, not edited).
const std::vector<FunctionInfo>& suiteFunctions();
// The ProgID of the hosted view every function shows its list in.
inline const QString kListViewProgId = QStringLiteral("SuiteViews.ListView");

// The launch parameter of a start: FClassParam, else OTHERPARAM.
QString classParamOf(const Dictionary& dct);
// The list a function shows for its launch parameter; raises error 5 for a parameter it does not
// know, before anything is opened.
ListSourcePtr sourceFor(FunctionKind kind, const QString& classParam, const Translator& tr);
// The form key of a function's window: one window per function and parameter.
QString formKeyOf(const QString& progId, const QString& classParam);
// The window title: the start's FFuncName, else the list's own title.
QString titleOf(const Dictionary& dct, const ListSource& source, const Translator& tr);

// Everything a hosted view needs to show a list: the source, the open connection, the
// parameters it was loaded with and the loaded table.
struct ViewSetup {
    ListSourcePtr source;
    db::ConnectionPtr connection;
    ListParameters parameters;
    TableData table;
    QString title;
};

// Opens the account set of a session property string and loads the list with the current
// period; the connection's and the query's errors pass on.
ViewSetup prepareView(const ListSourcePtr& source, const QString& propsString, const QString& title);

} // namespace zrk::functions
