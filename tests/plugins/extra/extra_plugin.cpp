// A plug-in built apart from the program: one function that greets the session's user in a
// hosted view, so that a test can start a function the program was built without.
#include "core/roles/component_roles.h"
#include "core/roles/function_roles.h"
#include "platform/component_plugin.h"
#include "platform/component_registry.h"

#include <QObject>

namespace {

using namespace zrk;

class Greeting : public Object, public IBizConsole, public IBoardFunction {
public:
    explicit Greeting(ComponentHost& host) : host_(host) {}

    QString subSystemKey() override { return QStringLiteral("extra"); }
    QString periodText() override { return QString(); }
    void initSubSystem() override {}
    void runFunction(DictionaryPtr& dct, std::shared_ptr<IQVMainService>& service) override {
        const auto store =
            queryInterface<IPropStore>(host_.components().create(QStringLiteral("SharedProps.PropStore")));
        const QString user = store->getProperty(host_.processId(), QStringLiteral("UserName")).toString();
        service->showForm(subSystemKey(), QStringLiteral("TestExtra.GreetingView"),
                          dct->item(QStringLiteral("FClassParam")).toString(), false,
                          host_.translate(QStringLiteral("你好 ")) + user);
    }
    void setUsedInBossRpt(bool) override {}
    Variant loadAPPfunc(DictionaryPtr&) override { return {}; }

private:
    ComponentHost& host_;
};

// The greeting's hosted view: it has no widget of its own and says in the status text that it
// was shown.
class GreetingView : public Object, public IHostedControl {
public:
    QWidget* widget() override { return nullptr; }
    bool show(const std::shared_ptr<IHostedForm>& form, const QList<Variant>&) override {
        form->setStatusString(QStringLiteral("greeting shown"));
        return true;
    }
    void notifyMessage(const QString&) override {}
};

class ExtraPlugin : public QObject, public IComponentPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZRK_COMPONENT_PLUGIN_IID FILE "extra.json")
    Q_INTERFACES(zrk::IComponentPlugin)

public:
    ObjectPtr create(const QString& progId, ComponentHost& host) override {
        if (progId.compare(QLatin1String("TestExtra.Greeting"), Qt::CaseInsensitive) == 0)
            return std::make_shared<Greeting>(host);
        if (progId.compare(QLatin1String("TestExtra.GreetingView"), Qt::CaseInsensitive) == 0)
            return std::make_shared<GreetingView>();
        return {};
    }
};

} // namespace

#include "extra_plugin.moc"
