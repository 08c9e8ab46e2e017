#pragma once

#include "core/roles/function_roles.h"
#include "platform/component_plugin.h"
#include "plugins/functions/function_start.h"

namespace zrk::functions {

// A suite function: started by the console's service object (RunFunction) or directly from the
// board (loadAPPfunc), it shows its list in a hosted view. The list is loaded before the window
// is asked for, so that a parameter the function does not know or a table the account set lacks
// is reported without a window left open.
class SuiteFunction : public Object, public IBizConsole, public IBoardFunction {
public:
    SuiteFunction(FunctionInfo info, ComponentHost& host) : info_(std::move(info)), host_(host) {}

    QString subSystemKey() override { return info_.subSystemKey; }
    QString periodText() override { return QString(); }
    void runFunction(DictionaryPtr& dct, std::shared_ptr<IQVMainService>& service) override;
    void initSubSystem() override {}

    void setUsedInBossRpt(bool used) override { usedInBossRpt_ = used; }
    Variant loadAPPfunc(DictionaryPtr& dct) override;

protected:
    // A session property of the process that created the function.
    Variant sessionProperty(const QString& name) const;

private:
    // A direct start's dictionary carries the session property string as ConnectString; a
    // service start reads it from the session properties.
    void start(const Dictionary& dct, IQVMainService& service, const QString& propsString);

    FunctionInfo info_;
    ComponentHost& host_;
    bool usedInBossRpt_ = false;
};

} // namespace zrk::functions
