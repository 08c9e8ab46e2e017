#pragma once

// The roles between the console and the suite's functions: the service object that started
// functions talk back to, the two ways a function is started, and the hosting of a function's
// control inside the frame. The console implements the service object and the hosted form; the
// suite's function components implement the rest.

#include "core/roles/cache_facade.h"
#include "platform/dictionary.h"
#include "platform/object.h"
#include "platform/variant.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <memory>

class QWidget;

namespace zrk {

// QVMainService, the console's service object. Members in the order of its interface.
class IQVMainService {
public:
    virtual ~IQVMainService() = default;
    // Opens (or, with global, finds) a host window for the control; its own object, or none.
    virtual ObjectPtr showForm(const QString& systemName, const QString& ctrlProgId,
                               const QString& formId = QString(), bool global = false,
                               const QString& title = QString(), bool refresh = false,
                               const ObjectPtr& evnt = ObjectPtr()) = 0;
    // The service start of a function by ProgID; errors go to the suite's error reporting.
    virtual void doCallFunc(const QString& progId, const DictionaryPtr& dct) = 0;
    // The open host window with exactly this form key: its control's own object, or none.
    virtual ObjectPtr existsSubControl(const QString& formName, bool activateForm = false) = 0;
    virtual void refresh(bool reLogin = false) = 0;
    virtual std::shared_ptr<ICacheFacade> cache() = 0;
    virtual ObjectPtr timerService() = 0;
    virtual ObjectPtr activeBar() = 0;
    virtual ObjectPtr statusBar() = 0;
    virtual void enterQVApp(const DictionaryPtr& loginInfo) = 0;
};

// What a function started through the service object implements.
class IBizConsole {
public:
    virtual ~IBizConsole() = default;
    virtual QString subSystemKey() = 0;
    virtual QString periodText() = 0;
    virtual void runFunction(DictionaryPtr& dct, std::shared_ptr<IQVMainService>& service) = 0;
    virtual void initSubSystem() = 0;
};

// What a function started directly from the board implements (late-bound members there: an
// object without them raises 438 when asked, as a late-bound call would).
class IBoardFunction {
public:
    virtual ~IBoardFunction() = default;
    virtual void setUsedInBossRpt(bool used) = 0;
    // The result is ignored by the console.
    virtual Variant loadAPPfunc(DictionaryPtr& dct) = 0;
};

// One tool of a tool-bar layout, and the bands that hold them. The command bar's own tools are
// the same values: a menu tool names the band it opens in subBand.
struct ToolDefinition {
    QString name;
    QString caption;
    int id = 0;
    bool checked = false;
    QString tagText{};   // a favourite's launch text
    int tagNumber = 0;   // a favourite's FInnerID, a window's index, an arrange style
    QString picture{};   // the name of a drawing of the console's artwork, "" for none
    int controlType = 0; // 0 a plain button
    int captionPosition = 0;
    int style = 0;
    int displayFlags = 0;
    // Where a merged tool goes among the console's own: 1 and 2 from the start of the band
    // (after and before the console's run of that placement), 3 and 4 from its end.
    int placement = 0;
    QString subBand{};
    // The tool begins a group (a separator before it).
    bool beginGroup = false;

    bool operator==(const ToolDefinition&) const = default;
};

struct BandDefinition {
    QString name;
    int bandType = 0; // 0 a plain tool bar, 1 the menu bar, 2 a drop-down menu
    int bandSetting = 0;
    QList<ToolDefinition> tools;
    QString caption{};
    int flags = 0;

    bool operator==(const BandDefinition&) const = default;
};

inline constexpr int kPlainToolBand = 0, kMenuBarBand = 1, kPopupBand = 2;

struct ToolBarLayout {
    QList<BandDefinition> bands;
    // The customisation dialog's texts, its font and size, as the frame sets them on merging.
    QString localeString{};
    QString fontName{};
    int fontSize = 0;

    bool operator==(const ToolBarLayout&) const = default;

    // The band of that name (its layout data), none when the layout has no such band.
    const BandDefinition* layoutData(const QString& bandName) const {
        for (const BandDefinition& band : bands)
            if (band.name == bandName)
                return &band;
        return nullptr;
    }
};

// Told by a hosted form when one of its properties changed or one of its tools was clicked.
class IHostedFormEvents {
public:
    virtual ~IHostedFormEvents() = default;
    virtual void propertyChanged(const QString& propName) = 0;
    virtual void toolBarClick(const QString& tool, bool& use) = 0;
};

// ThisForm: the hosted-form object a host window binds its control to. Setting a property
// raises propertyChanged with the property's name ("Caption", "Icon", "StatusString",
// "ToolBar").
class IHostedForm {
public:
    virtual ~IHostedForm() = default;
    virtual QString caption() = 0;
    virtual void setCaption(const QString& caption) = 0;
    // A theme icon name or a resource path; empty for none.
    virtual QString icon() = 0;
    virtual void setIcon(const QString& icon) = 0;
    virtual QString statusString() = 0;
    virtual void setStatusString(const QString& text) = 0;
    virtual ToolBarLayout toolBar() = 0;
    virtual void setToolBar(const ToolBarLayout& layout) = 0;
    // Raises toolBarClick for the tool as if it had been clicked.
    virtual void fireToolBarClick(const QString& tool) = 0;
    // Whether the form stays open after it was shown (a control may decline at show time).
    virtual bool staysOpen() = 0;
    virtual void setStaysOpen(bool stays) = 0;
    virtual void setEvents(IHostedFormEvents* events) = 0;
};

// The control's own object: what a hosted control created by ProgID implements.
class IHostedControl {
public:
    virtual ~IHostedControl() = default;
    // The control's widget, created on the first call; the host window takes it as its child.
    virtual QWidget* widget() = 0;
    // Shows the form; args are nothing, false, or the session property string. False when the
    // form cannot be shown.
    virtual bool show(const std::shared_ptr<IHostedForm>& form, const QList<Variant>& args) = 0;
    // "FirstShow", "Activate", "Deactivate", "QueryUnload".
    virtual void notifyMessage(const QString& message) = 0;
};

// An event object handed to ShowForm: asked first whether the control may be hosted.
class IHostEvents {
public:
    virtual ~IHostEvents() = default;
    virtual bool hostControl(const ObjectPtr& control, const std::shared_ptr<IHostedForm>& form) = 0;
};

// A second role of an event object: the event object shows the form itself.
class IHostEventsShowsForm {
public:
    virtual ~IHostEventsShowsForm() = default;
};

// The frame's status bar as a started function reaches it (StatusBar of the service object):
// panels numbered from 1 (status text, company, account set, period, user name).
class IStatusBarControl {
public:
    virtual ~IStatusBarControl() = default;
    virtual QString panelText(int number) = 0;
    virtual void setPanelText(int number, const QString& text) = 0;
};

// The frame's command bar as a started function reaches it (ActiveBar of the service object):
// its key handlers, true when the bar used the key.
class ICommandBarControl {
public:
    virtual ~ICommandBarControl() = default;
    virtual bool keyDown(int keyCode, int shift) = 0;
    virtual bool keyUp(int keyCode, int shift) = 0;
};

// TimerHost.TimerService: a tick every n seconds to what registered with it.
class ITimerService {
public:
    virtual ~ITimerService() = default;
    virtual std::int32_t startTimer(std::int16_t seconds) = 0;
    virtual void stopTimer(std::int32_t id) = 0;
};

// BaseServices.LogServer: the operation log of the account set.
class ILogServer {
public:
    virtual ~ILogServer() = default;
    virtual void writeLog(const QString& propsString, const QString& functionCode, std::int16_t number,
                          const QString& title, const QString& machineName, const QString& address) = 0;
};

} // namespace zrk
