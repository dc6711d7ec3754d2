#include "levora/toolkit/number_format.h"

#include <QLocale>

#include <string>

namespace levora::toolkit {

namespace {

/// The separators of one locale, kept alive for the string views of its
/// NumberFormat.
struct LocaleSeparators {
    QString localeName;
    std::string decimal;
    std::string group;
    NumberFormat format;
};

} // namespace

const NumberFormat& userNumberFormat() {
    static LocaleSeparators current;
    const QLocale locale;
    if (current.format.decimalSeparator.empty() || current.localeName != locale.name()) {
        current.localeName = locale.name();
        current.decimal = locale.decimalPoint().toStdString();
        current.group = locale.groupSeparator().toStdString();
        current.format = NumberFormat{current.decimal, current.group};
    }
    return current.format;
}

} // namespace levora::toolkit
