// The suite's functions as a component plug-in: the lists of core data, accounts, prices, bills
// and reports, each shown in a view hosted by the console.
#include "platform/component_plugin.h"
#include "plugins/functions/list_view.h"
#include "plugins/functions/report_retrieve.h"
#include "plugins/functions/suite_function.h"

#include <QObject>

namespace zrk::functions {

class FunctionsPlugin : public QObject, public IComponentPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZRK_COMPONENT_PLUGIN_IID FILE "functions.json")
    Q_INTERFACES(zrk::IComponentPlugin)

public:
    ObjectPtr create(const QString& progId, ComponentHost& host) override {
        if (progId.compare(kListViewProgId, Qt::CaseInsensitive) == 0)
            return std::make_shared<SuiteListView>(host);
        for (const FunctionInfo& info : suiteFunctions())
            if (progId.compare(info.progId, Qt::CaseInsensitive) == 0)
                return info.kind == FunctionKind::Reports ? std::make_shared<ReportRetrieve>(info, host)
                                                          : std::make_shared<SuiteFunction>(info, host);
        return {};
    }
};

} // namespace zrk::functions

#include "functions_plugin.moc"
