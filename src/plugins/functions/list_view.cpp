#include "plugins/functions/list_view.h"

#include "platform/caught_error.h"
#include "platform/error.h"
#include "platform/prompt_service.h"
#include "plugins/functions/log_category.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace zrk::functions {

SuiteListView::SuiteListView(ComponentHost& host)
    : host_(host), list_([&host](const QString& t) { return host.translate(t); }),
      lines_([&host](const QString& t) { return host.translate(t); }) {}

SuiteListView::~SuiteListView() {
    delete widget_.data(); // none once the host window took and deleted it
}

QWidget* SuiteListView::widget() {
    if (!widget_)
        buildWidget();
    return widget_;
}

namespace {

QTableView* newTable(QWidget* parent, QAbstractItemModel* model, bool sortable) {
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    // No sort indicator before sorting is on: the rows keep the order of the query until a
    // header is clicked.
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view->setSortingEnabled(sortable);
    return view;
}

} // namespace

void SuiteListView::buildWidget() {
    widget_ = new QWidget;
    auto* layout = new QVBoxLayout(widget_);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(tr(QStringLiteral("查找")), widget_));
    search_ = new QLineEdit(widget_);
    search_->setObjectName(QStringLiteral("search"));
    search_->setClearButtonEnabled(true);
    bar->addWidget(search_, 1);

    periodBar_ = new QWidget(widget_);
    auto* periodLayout = new QHBoxLayout(periodBar_);
    periodLayout->setContentsMargins(0, 0, 0, 0);
    year_ = new QSpinBox(periodBar_);
    year_->setRange(1990, 2100);
    period_ = new QSpinBox(periodBar_);
    period_->setRange(1, 12);
    periodLayout->addWidget(new QLabel(tr(QStringLiteral("会计年度")), periodBar_));
    periodLayout->addWidget(year_);
    periodLayout->addWidget(new QLabel(tr(QStringLiteral("期间")), periodBar_));
    periodLayout->addWidget(period_);
    bar->addWidget(periodBar_);

    daysBar_ = new QWidget(widget_);
    auto* daysLayout = new QHBoxLayout(daysBar_);
    daysLayout->setContentsMargins(0, 0, 0, 0);
    from_ = new QDateEdit(daysBar_);
    to_ = new QDateEdit(daysBar_);
    for (QDateEdit* edit : {from_, to_}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }
    daysLayout->addWidget(new QLabel(tr(QStringLiteral("日期")), daysBar_));
    daysLayout->addWidget(from_);
    daysLayout->addWidget(new QLabel(QStringLiteral("-"), daysBar_));
    daysLayout->addWidget(to_);
    bar->addWidget(daysBar_);

    auto* refresh = new QPushButton(tr(QStringLiteral("刷新")), widget_);
    refresh->setObjectName(QStringLiteral("refresh"));
    bar->addWidget(refresh);
    layout->addLayout(bar);

    auto* splitter = new QSplitter(Qt::Vertical, widget_);
    listView_ = newTable(splitter, &list_, true);
    listView_->setObjectName(QStringLiteral("list"));
    linesView_ = newTable(splitter, &lines_, false);
    linesView_->setObjectName(QStringLiteral("lines"));
    layout->addWidget(splitter, 1);

    searchDelay_ = new QTimer(widget_);
    searchDelay_->setSingleShot(true);
    searchDelay_->setInterval(150);
    QObject::connect(search_, &QLineEdit::textChanged, searchDelay_, qOverload<>(&QTimer::start));
    QObject::connect(searchDelay_, &QTimer::timeout, widget_, [this] {
        list_.setSearchText(search_->text());
        updateStatus();
    });
    QObject::connect(refresh, &QPushButton::clicked, widget_, [this] { reload(); });
    QObject::connect(listView_->selectionModel(), &QItemSelectionModel::currentRowChanged, widget_,
                     [this] { showLines(); });
    applySetup();
}

void SuiteListView::configure(ViewSetup setup) {
    setup_ = std::move(setup);
    list_.setTable(setup_->table);
    lines_.setTable({});
    applySetup();
    if (form_) {
        form_->setCaption(setup_->title);
        updateStatus();
    }
}

void SuiteListView::applySetup() {
    if (!widget_)
        return;
    const ParameterKind kind = setup_ ? setup_->source->parameterKind() : ParameterKind::None;
    periodBar_->setVisible(kind == ParameterKind::Period);
    daysBar_->setVisible(kind == ParameterKind::DateRange);
    linesView_->setVisible(setup_ && setup_->source->hasLines());
    if (!setup_)
        return;
    year_->setValue(setup_->parameters.year);
    period_->setValue(setup_->parameters.period);
    from_->setDate(setup_->parameters.from);
    to_->setDate(setup_->parameters.to.addDays(-1));
    listView_->resizeColumnsToContents();
}

bool SuiteListView::show(const std::shared_ptr<IHostedForm>& form, const QList<Variant>&) {
    form_ = form;
    form_->setEvents(this);
    ToolBarLayout layout;
    layout.bands.push_back({QStringLiteral("Standard"),
                            0,
                            0,
                            {{QStringLiteral("refresh"), tr(QStringLiteral("刷新")), 1},
                             {QStringLiteral("close"), tr(QStringLiteral("关闭")), 2}}});
    form_->setToolBar(layout);
    if (setup_)
        form_->setCaption(setup_->title);
    updateStatus();
    return true;
}

void SuiteListView::notifyMessage(const QString& message) {
    if (message == QLatin1String("FirstShow") || message == QLatin1String("Activate"))
        updateStatus();
}

void SuiteListView::toolBarClick(const QString& tool, bool& use) {
    if (tool.compare(QLatin1String("refresh"), Qt::CaseInsensitive) == 0) {
        reload();
        use = true;
    }
}

void SuiteListView::updateStatus() {
    if (form_)
        form_->setStatusString(setup_ ? list_.statusText() : tr(QStringLiteral("正在装载...")));
}

void SuiteListView::fail(const Error& error) {
    logCaughtError(lcFunctions(), "SuiteListView: reported to the user", error);
    host_.prompts().messageBox(error.description(), tr(QStringLiteral("Quorvel提示")), MessageIcon::Critical,
                               MessageButtons::Ok);
}

void SuiteListView::reload() {
    if (!setup_)
        return;
    try {
        ListParameters p = setup_->parameters;
        if (widget_ && setup_->source->parameterKind() == ParameterKind::Period)
            p = periodParameters(*setup_->connection, year_->value(), period_->value());
        if (widget_ && setup_->source->parameterKind() == ParameterKind::DateRange)
            p = {p.year, p.period, from_->date(), to_->date().addDays(1)};
        setup_->table = setup_->source->load(*setup_->connection, p);
        setup_->parameters = p;
        list_.setTable(setup_->table);
        lines_.setTable({});
        updateStatus();
    } catch (const Error& e) {
        fail(e);
    }
}

void SuiteListView::showLines() {
    if (!setup_ || !setup_->source->hasLines() || !listView_->currentIndex().isValid())
        return;
    try {
        const int row = list_.storeRow(listView_->currentIndex().row());
        lines_.setTable(setup_->source->lines(*setup_->connection, setup_->table, row));
        linesView_->resizeColumnsToContents();
    } catch (const Error& e) {
        fail(e);
    }
}

bool ListViewEvents::hostControl(const ObjectPtr& control, const std::shared_ptr<IHostedForm>&) {
    const auto view = tryInterface<ISuiteView>(control);
    if (!view)
        return false;
    view->configure(setup_);
    return true;
}

} // namespace zrk::functions
