#include "levora/toolkit/runtime.h"

#include <cstdio>
#include <string>

namespace levora::toolkit {

std::string_view failureName(Failure failure) {
    switch (failure) {
    case Failure::Overflow:
        return "overflow";
    case Failure::DivisionByZero:
        return "division by zero";
    case Failure::TypeMismatch:
        return "type mismatch";
    case Failure::InvalidPropertyValue:
        return "invalid property value";
    case Failure::InvalidProcedureCall:
        return "invalid procedure call";
    }
    return "run-time failure";
}

namespace {

std::string describe(Failure failure, const std::string& detail) {
    std::string text(failureName(failure));
    if (!detail.empty()) {
        text += ": ";
        text += detail;
    }
    return text;
}

} // namespace

RunTimeError::RunTimeError(Failure failure, const std::string& detail)
    : std::runtime_error(describe(failure, detail)), failure_(failure) {}

void reportUntrapped(std::string_view eventName, std::string_view what) {
    std::string line = "Levora: run-time error in ";
    line += eventName;
    line += ": ";
    line += what;
    line += "; the handler was abandoned\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}

} // namespace levora::toolkit
