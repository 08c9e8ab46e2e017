#pragma once

// A presenter on recording stand-ins, on 31 March 2025, with a company database that holds the
// system profile the receivables checks read.

#include "analysis/analysis_presenter.h"
#include "analysis_fakes.h"
#include "support/core_console.h"

#include <gtest/gtest.h>

namespace zrk::test {

class PresenterTest : public ::testing::Test {
protected:
    PresenterTest();

    void setProfile(const char* category, const char* key, const char* value);
    QStringList messageTexts() const;

    CoreConsole console;
    AnalysisWorld world;
    db::ConnectionPtr company;
    analysis::AnalysisPresenter presenter;
};

} // namespace zrk::test
