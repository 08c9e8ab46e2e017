#pragma once

#include <QString>
#include <exception>
#include <string>

namespace zrk {

// The platform's error numbers that the console tests for or raises itself.
// The database layer's own numbers are in platform/db/db_errors.h.
namespace errnum {
// A number of the console's own, without a platform meaning (the wait cursor's imbalance).
inline constexpr int ConsoleDefined = 1;
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
// Path or file access error.
inline constexpr int FileAccess = 75;
inline constexpr int ObjectVariableNotSet = 91;
inline constexpr int InvalidUseOfNull = 94;
// The component cannot be created (ActiveX component can't create object).
inline constexpr int CannotCreateObject = 429;
inline constexpr int ObjectLacksMember = 438;
// The remote server machine does not exist or is unavailable (a component that went away).
inline constexpr int ServerUnavailable = 462;
} // namespace errnum

// An error as the suite's components raise it: a number, the source that raised it and a
// description. Thrown as an exception; "pass the error on" means rethrow it unchanged.
class Error : public std::exception {
public:
    Error(int number, QString source, QString description);

    int number() const { return number_; }
    const QString& source() const { return source_; }
    const QString& description() const { return description_; }

    // The same error with its description extended, for callers that add context.
    Error withDescription(QString description) const {
        return Error(number_, source_, std::move(description));
    }

    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString source_;
    QString description_;
    std::string what_;
};

bool operator==(const Error& a, const Error& b);

} // namespace zrk
