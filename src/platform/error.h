#pragma once

#include <QString>
#include <exception>
#include <string>

namespace zrk {

// The platform's error numbers that the console tests for or raises itself.
namespace errnum {
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int TypeMismatch = 13;
inline constexpr int InvalidUseOfNull = 94;
inline constexpr int ObjectVariableNotSet = 91;
inline constexpr int CannotCreateObject = 429;
inline constexpr int ObjectLacksMember = 438;
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
