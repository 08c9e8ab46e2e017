#include "analysis/analysis_panel.h"

#include "analysis/analysis_widget.h"
#include "analysis/summary_panes.h"
#include "desktop/wait_cursor.h"
#include "platform/twips.h"
#include "session/texts.h"

#include <QCoreApplication>
#include <QWidget>

namespace zrk::analysis {

namespace {

int twipsPerPixelOf(const QWidget* parent) {
    const int dpi = parent ? parent->logicalDpiX() : 96;
    return std::max(1, kTwipsPerInch / (dpi > 0 ? dpi : 96));
}

} // namespace

AnalysisPanel::AnalysisPanel(ConsoleContext& ctx, IAnalysisHost& host, QWidget* parent,
                             AnalysisPresenter::Clock today)
    : ctx_(ctx), host_(host), presenter_(ctx, std::move(today)), twipsPerPixel_(twipsPerPixelOf(parent)) {
    const Translator tr = [&ctx](const QString& text) { return translate(ctx, text); };
    summaries_ = new SummaryPanes(parent, twipsPerPixel_);
    analysis_ =
        new AnalysisWidget(parent, presenter_, tr, twipsPerPixel_, [&host] { return host.sizeFactor(); });
    analysis_->onChartDoubleClick = [this] { toggleZoom(); };
    analysis_->whileBusy = [&ctx](const std::function<void()>& run) {
        WaitCursor wait(ctx);
        run();
    };
    summariesChanged();
    presenter_.setView(this);
}

AnalysisPanel::~AnalysisPanel() {
    presenter_.setView(nullptr);
}

QWidget* AnalysisPanel::summaryWidget() {
    return summaries_;
}

QWidget* AnalysisPanel::analysisWidget() {
    return analysis_;
}

int AnalysisPanel::summaryHeight() const {
    return kSummaryRegionHeight / twipsPerPixel_;
}

void AnalysisPanel::refreshSummaries() {
    WaitCursor wait(ctx_);
    presenter_.refreshSummaries();
}

void AnalysisPanel::selectFirstAnalysis() {
    WaitCursor wait(ctx_);
    presenter_.clickTab(0);
}

QStringList AnalysisPanel::ownerLines() const {
    return presenter_.ownerLines();
}

void AnalysisPanel::tabChanged() {
    analysis_->showTabs();
}

void AnalysisPanel::selectorsChanged() {
    analysis_->showSelectors();
}

void AnalysisPanel::resultChanged() {
    analysis_->showResult();
}

void AnalysisPanel::summariesChanged() {
    summaries_->show({&presenter_.summary(0), &presenter_.summary(1), &presenter_.summary(2)},
                     [this](const QString& text) { return translate(ctx_, text); });
}

// The panel is repainted before a long analysis runs; no other event is let through. An analysis
// also runs inside the board's first build, which may come while the frame shows itself: running
// every pending event there (a deferred delete among them) destroyed widgets the toolkit was
// still walking, and the console crashed at start now and then.
void AnalysisPanel::letPendingEventsRun() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void AnalysisPanel::toggleZoom() {
    if (presenter_.toggleZoom()) {
        analysis_->setGeometry(host_.zoomArea());
        analysis_->raise();
    } else {
        host_.restoreAnalysisLayout();
    }
    analysis_->showZoom();
}

std::unique_ptr<IAnalysisPanel> AnalysisPanelFactory::createPanel(IAnalysisHost& host, QWidget* parent) {
    return std::make_unique<AnalysisPanel>(ctx_, host, parent);
}

} // namespace zrk::analysis
