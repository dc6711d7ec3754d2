#pragma once

// What the help pages have in common: the English title in the page title
// font, and the page picture in its box, which a screen reader reads as the
// page's text.

#include "levora/toolkit/controls.h"
#include "levora/toolkit/fonts.h"

#include <QString>

#include <string_view>

namespace levora::ui {

/// The English title of a page: 12-point bold in the window-text colour.
inline toolkit::Label* pageTitle(QWidget* container, const QString& text, double width) {
    auto* label = new toolkit::Label(container, QStringLiteral("Label1"));
    label->setFont(toolkit::dialogFont(12, true));
    label->setCaption(text);
    label->Move(0, 0, width, 375);
    return label;
}

/// The box holding a page's picture, described by the page's full text.
inline toolkit::PictureBox* pagePicture(QWidget* container, const char* resource, const QString& title,
                                        std::string_view text) {
    auto* box = new toolkit::PictureBox(container, QStringLiteral("Picture1"));
    box->setPicture(QStringLiteral(":/pictures/") + QString::fromLatin1(resource) + QStringLiteral(".png"));
    box->setAccessibleName(title);
    box->setAccessibleDescription(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return box;
}

} // namespace levora::ui
