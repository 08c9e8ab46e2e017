#pragma once

// The roles the main window asks of the suite's components.

#include "platform/error.h"
#include "platform/variant.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace zrk {

// The account set's system parameters as the ledger component shows them.
class ISystemProfileView {
public:
    virtual ~ISystemProfileView() = default;
    virtual QString companyName() = 0;
    virtual Variant getSystemProfile(const QString& section, const QString& key,
                                     const Variant& defaultValue) = 0;
};

// LedgerView.GLData: the general ledger's current state.
class ILedgerData {
public:
    virtual ~ILedgerData() = default;
    // Reloads the ledger's periods from the account set.
    virtual void refresh(bool all) = 0;
    virtual std::shared_ptr<ISystemProfileView> systemProfile() = 0;
    virtual std::int32_t glGetCurrentYear() = 0;
    virtual std::int32_t glGetCurrentPeriod() = 0;
};

// SuiteHelper: the suite's common questions and error report.
class ISuiteHelper {
public:
    virtual ~ISuiteHelper() = default;
    // True for yes.
    virtual bool askYesNo(const QString& question, const QString& title) = 0;
    // Shows the caught error (number, source, description) and returns.
    virtual void reportError(const Error& error) = 0;
};

inline const QString kLedgerDataProgId = QStringLiteral("LedgerView.GLData");
inline const QString kSuiteHelperProgId = QStringLiteral("SuiteHelper.Common");

} // namespace zrk
