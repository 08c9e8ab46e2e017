#pragma once

// The business analyses as the board sees them: the summary panes and the analysis panel,
// filled by one presenter.

#include "analysis/analysis_presenter.h"
#include "core/roles/board_roles.h"

namespace zrk {
class ConsoleContext;
}

namespace zrk::analysis {

class AnalysisWidget;
class SummaryPanes;

class AnalysisPanel : public IAnalysisPanel, private IAnalysisView {
public:
    AnalysisPanel(ConsoleContext& ctx, IAnalysisHost& host, QWidget* parent,
                  AnalysisPresenter::Clock today = {});
    ~AnalysisPanel() override;

    QWidget* summaryWidget() override;
    QWidget* analysisWidget() override;
    int summaryHeight() const override;
    void refreshSummaries() override;
    void selectFirstAnalysis() override;
    QStringList ownerLines() const override;

    AnalysisPresenter& presenter() { return presenter_; }
    AnalysisWidget& analysis() { return *analysis_; }
    SummaryPanes& summaries() { return *summaries_; }

private:
    void tabChanged() override;
    void selectorsChanged() override;
    void resultChanged() override;
    void summariesChanged() override;
    void letPendingEventsRun() override;
    void toggleZoom();

    ConsoleContext& ctx_;
    IAnalysisHost& host_;
    AnalysisPresenter presenter_;
    int twipsPerPixel_;
    SummaryPanes* summaries_;
    AnalysisWidget* analysis_;
};

// Makes the panels of the board on the console's session.
class AnalysisPanelFactory : public IAnalysisPanelFactory {
public:
    explicit AnalysisPanelFactory(ConsoleContext& ctx) : ctx_(ctx) {}
    std::unique_ptr<IAnalysisPanel> createPanel(IAnalysisHost& host, QWidget* parent) override;

private:
    ConsoleContext& ctx_;
};

} // namespace zrk::analysis
