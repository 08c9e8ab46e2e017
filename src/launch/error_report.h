#pragma once

namespace zrk {

class ConsoleContext;
class Error;

// Hands a caught error to the suite's common error report (ReportError of the SuiteHelper,
// created once per session). Without a suite helper the error is shown as a message. Never
// raises.
void reportSuiteError(ConsoleContext& ctx, const Error& error);

} // namespace zrk
