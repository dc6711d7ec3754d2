#pragma once

// What the splash and the About box say about the program.

#include <QString>

namespace levora::ui::ProgramInfo {

inline QString Title() { return QStringLiteral("Levora for N.Korea"); }
inline QString Version() { return QStringLiteral("Version 1.01"); }
inline QString CopyrightLine() { return QStringLiteral("© 2026 Levora developers"); }
inline QString AuthorLine() { return QStringLiteral("By the Levora team"); }
inline QString RightsNotice() { return QStringLiteral("All rights reserved."); }
inline QString WebAddress() { return QStringLiteral("https://levora.example.org"); }

/// The program picture: the program's name written diagonally, 60 × 60 pixels.
inline QString PictureResource() { return QStringLiteral(":/pictures/program_icon.png"); }
inline QString PictureDescription() {
    return QStringLiteral("The program picture: the name Levora written diagonally on a red band");
}

} // namespace levora::ui::ProgramInfo
