#include "levora/toolkit/fonts.h"

#include <QStringList>

namespace levora::toolkit {

QFont dialogFont(double points, bool bold) {
    QFont font;
    // The first family that is installed wins; the others stand in for it.
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace levora::toolkit
