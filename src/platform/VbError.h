#pragma once

#include <QString>
#include <stdexcept>

// A run-time error as the routines raise it: a number the callers test
// (52, 6, 13, -2147467259 ...) and the text the user reads.
class VbError : public std::runtime_error {
public:
    VbError(long number, const QString& description);

    long Number() const { return number_; }
    const QString& Description() const { return description_; }

private:
    long number_;
    QString description_;
};

namespace vb_error {
constexpr long Overflow = 6;
constexpr long TypeMismatch = 13;
constexpr long BadFileName = 52;
constexpr long FileNotFound = 53;
constexpr long DiskFull = 61;
constexpr long PathFileAccess = 75;
constexpr long PathNotFound = 76;
constexpr long InvalidUseOfNull = 94;
constexpr long ProviderFailure = -2147467259;  // 0x80004005
constexpr long ObjectClosed = 3704;
constexpr long ItemNotFound = 3265;
constexpr long NoCurrentRecord = 3021;
constexpr long ControlNotFound = 424;
}  // namespace vb_error

// "The program ends": unwinds to main, which exits with the code.
class FimDoPrograma : public std::exception {
public:
    explicit FimDoPrograma(int exitCode) : exitCode_(exitCode) {}
    int ExitCode() const { return exitCode_; }
    const char* what() const noexcept override { return "end of program"; }

private:
    int exitCode_;
};
