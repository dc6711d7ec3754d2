// levora-picturegen: draws Levora's pictures and writes them as PNG files.
//   levora-picturegen OUTPUT_DIR   writes NAME.png for every picture
//   levora-picturegen --list       prints "NAME WIDTH HEIGHT" for every picture
#include "picture.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

#include <cstdlib>

namespace {

using levora::picturegen::Picture;

constexpr int usageError = 2;

// Files whose bytes depend only on their pixels: no text chunks, no time,
// the strongest compression.
bool writePng(const QImage& image, const QString& path, QString& error) {
    QImageWriter writer(path, "png");
    writer.setQuality(0);
    if (!writer.write(image)) {
        error = writer.errorString();
        return false;
    }
    return true;
}

// The first family the pictures need that this system cannot draw, if any.
const char* missingFamily() {
    using levora::picturegen::ChineseFamily;
    using levora::picturegen::LatinFamily;
    QFont chinese(QString::fromLatin1(ChineseFamily));
    chinese.setStyleStrategy(QFont::NoFontMerging);
    if (!QFontDatabase::hasFamily(chinese.family()) || !QFontMetrics(chinese).inFontUcs4(U'税')) {
        return ChineseFamily;
    }
    if (!QFontDatabase::hasFamily(QString::fromLatin1(LatinFamily))) {
        return LatinFamily;
    }
    return nullptr;
}

int writeAll(const QString& directory) {
    QTextStream err(stderr);
    if (const char* family = missingFamily()) {
        err << "levora-picturegen: the font \"" << family << "\" is not installed\n";
        return EXIT_FAILURE;
    }
    if (!QDir().mkpath(directory)) {
        err << "levora-picturegen: cannot create " << directory << '\n';
        return EXIT_FAILURE;
    }
    const QDir out(directory);
    for (const Picture& picture : levora::picturegen::pictures()) {
        const QString path = out.filePath(picture.name + QStringLiteral(".png"));
        QString error;
        if (!writePng(levora::picturegen::render(picture, 1), path, error)) {
            err << "levora-picturegen: cannot write " << path << ": " << error << '\n';
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char* argv[]) {
    // The generator never shows a window, and the desktop's font settings must
    // not change a single pixel, so it always draws offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments == QStringList{QStringLiteral("--list")}) {
        QTextStream out(stdout);
        for (const Picture& picture : levora::picturegen::pictures()) {
            out << picture.name << ' ' << picture.size.width() << ' ' << picture.size.height() << '\n';
        }
        return EXIT_SUCCESS;
    }
    if (arguments.size() != 1 || arguments.front().startsWith(QLatin1Char('-'))) {
        QTextStream(stderr) << "usage: levora-picturegen OUTPUT_DIR | --list\n";
        return usageError;
    }
    return writeAll(arguments.front());
}
