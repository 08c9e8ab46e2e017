#pragma once

#include "core/roles/function_roles.h"
#include "platform/component_plugin.h"
#include "plugins/functions/function_start.h"
#include "plugins/functions/record_table_model.h"

#include <QPointer>
#include <optional>

class QDateEdit;
class QLineEdit;
class QSpinBox;
class QTableView;
class QTimer;

namespace zrk::functions {

// What a function hands the view it asked the console to host.
class ISuiteView {
public:
    virtual ~ISuiteView() = default;
    virtual void configure(ViewSetup setup) = 0;
    virtual bool configured() const = 0;
};

// SuiteViews.ListView: a read-only list with a search box, sorting by a column header, the row
// count in the status text, the period or the days a list is asked for, and, for bills, the
// lines of the selected bill below the list.
class SuiteListView : public Object, public IHostedControl, public IHostedFormEvents, public ISuiteView {
public:
    explicit SuiteListView(ComponentHost& host);
    ~SuiteListView() override;

    QWidget* widget() override;
    bool show(const std::shared_ptr<IHostedForm>& form, const QList<Variant>& args) override;
    void notifyMessage(const QString& message) override;

    void propertyChanged(const QString&) override {}
    void toolBarClick(const QString& tool, bool& use) override;

    void configure(ViewSetup setup) override;
    bool configured() const override { return setup_.has_value(); }

    RecordTableModel& listModel() { return list_; }
    RecordTableModel& linesModel() { return lines_; }

private:
    QString tr(const QString& text) const { return host_.translate(text); }
    void buildWidget();
    void applySetup();
    void reload();
    void showLines();
    void updateStatus();
    void fail(const Error& error);

    ComponentHost& host_;
    std::optional<ViewSetup> setup_;
    std::shared_ptr<IHostedForm> form_;
    RecordTableModel list_;
    RecordTableModel lines_;
    QPointer<QWidget> widget_;
    QLineEdit* search_ = nullptr;
    QTableView* listView_ = nullptr;
    QTableView* linesView_ = nullptr;
    QWidget* periodBar_ = nullptr;
    QSpinBox* year_ = nullptr;
    QSpinBox* period_ = nullptr;
    QWidget* daysBar_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QTimer* searchDelay_ = nullptr;
};

// The event object a function gives ShowForm: it configures the view before it is shown.
class ListViewEvents : public Object, public IHostEvents {
public:
    explicit ListViewEvents(ViewSetup setup) : setup_(std::move(setup)) {}
    bool hostControl(const ObjectPtr& control, const std::shared_ptr<IHostedForm>& form) override;

private:
    ViewSetup setup_;
};

} // namespace zrk::functions
