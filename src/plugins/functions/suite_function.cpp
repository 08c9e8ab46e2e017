#include "plugins/functions/suite_function.h"

#include "core/roles/component_roles.h"
#include "platform/component_registry.h"
#include "platform/error.h"
#include "plugins/functions/list_view.h"

namespace zrk::functions {

namespace {
const QString kPropStore = QStringLiteral("SharedProps.PropStore");
}

Variant SuiteFunction::sessionProperty(const QString& name) const {
    const auto store = queryInterface<IPropStore>(host_.components().create(kPropStore));
    return store->getProperty(host_.processId(), name);
}

void SuiteFunction::runFunction(DictionaryPtr& dct, std::shared_ptr<IQVMainService>& service) {
    if (!dct || !service)
        throw Error(errnum::ObjectVariableNotSet, info_.progId,
                    QStringLiteral("No dictionary or service object"));
    const Variant props = sessionProperty(QStringLiteral("PropsString"));
    start(*dct, *service, props.isEmpty() || props.isNull() ? QString() : props.toString());
}

Variant SuiteFunction::loadAPPfunc(DictionaryPtr& dct) {
    if (!dct)
        throw Error(errnum::ObjectVariableNotSet, info_.progId, QStringLiteral("No dictionary"));
    const Variant published = sessionProperty(QStringLiteral("QVMainApp"));
    const auto service =
        tryInterface<IQVMainService>(published.isObject() ? published.toObject() : ObjectPtr());
    if (!service)
        throw Error(errnum::ObjectVariableNotSet, info_.progId,
                    host_.translate(QStringLiteral("主控台的服务对象不可用，功能无法打开。")));
    start(*dct, *service, dct->item(QStringLiteral("ConnectString")).toString());
    return {};
}

void SuiteFunction::start(const Dictionary& dct, IQVMainService& service, const QString& propsString) {
    const Translator tr = [this](const QString& t) { return host_.translate(t); };
    const QString param = classParamOf(dct);
    const ListSourcePtr source = sourceFor(info_.kind, param, tr);
    const QString formKey = formKeyOf(info_.progId, param);
    if (service.existsSubControl(formKey, true))
        return;
    const QString title = titleOf(dct, *source, tr);
    ViewSetup setup = prepareView(source, propsString, title);
    const ObjectPtr control = service.showForm(info_.subSystemKey, kListViewProgId, formKey, true, title,
                                               false, std::make_shared<ListViewEvents>(setup));
    // A console that shows the control without asking the event object first gets it set up here.
    if (const auto view = tryInterface<ISuiteView>(control); view && !view->configured())
        view->configure(std::move(setup));
}

} // namespace zrk::functions
