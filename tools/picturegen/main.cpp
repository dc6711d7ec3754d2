// levora-picturegen: draws Levora's pictures and writes them as PNG files.
//   levora-picturegen OUTPUT_DIR           writes NAME.png and NAME@2x.png, drawn
//                                          at twice the size, for every picture
//   levora-picturegen --icons OUTPUT_DIR   writes the program's icon at every size
//                                          of the desktop's icon theme, under
//                                          OUTPUT_DIR/hicolor/NxN/apps
//   levora-picturegen --list               prints "NAME WIDTH HEIGHT" for every picture
#include "picture.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

#include <cstdlib>
#include <vector>

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

// One file to draw: which picture, at what scale, to which path below the output.
struct Output {
    const Picture* picture;
    int scale;
    QString path;
};

// Every picture at 1x as NAME.png and at 2x as NAME@2x.png, the name high
// density displays look for.
std::vector<Output> pictureOutputs() {
    std::vector<Output> outputs;
    for (const Picture& picture : levora::picturegen::pictures()) {
        outputs.push_back({&picture, 1, picture.name + QStringLiteral(".png")});
        outputs.push_back({&picture, 2, picture.name + QStringLiteral("@2x.png")});
    }
    return outputs;
}

std::vector<Output> iconOutputs() {
    std::vector<Output> outputs;
    for (const Picture& icon : levora::picturegen::programIcons()) {
        outputs.push_back({&icon, 1, levora::picturegen::programIconPath(icon)});
    }
    return outputs;
}

int writeAll(const QString& directory, const std::vector<Output>& outputs) {
    QTextStream err(stderr);
    if (const char* family = missingFamily()) {
        err << "levora-picturegen: the font \"" << family << "\" is not installed\n";
        return EXIT_FAILURE;
    }
    const QDir out(directory);
    for (const Output& output : outputs) {
        const QString path = out.filePath(output.path);
        const QString folder = QFileInfo(path).path();
        if (!QDir().mkpath(folder)) {
            err << "levora-picturegen: cannot create " << folder << '\n';
            return EXIT_FAILURE;
        }
        QString error;
        if (!writePng(levora::picturegen::render(*output.picture, output.scale), path, error)) {
            err << "levora-picturegen: cannot write " << path << ": " << error << '\n';
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}

bool isDirectory(const QString& argument) { return !argument.startsWith(QLatin1Char('-')); }

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
    if (arguments.size() == 1 && isDirectory(arguments.front())) {
        return writeAll(arguments.front(), pictureOutputs());
    }
    if (arguments.size() == 2 && arguments.front() == QStringLiteral("--icons") && isDirectory(arguments.back())) {
        return writeAll(arguments.back(), iconOutputs());
    }
    QTextStream(stderr) << "usage: levora-picturegen OUTPUT_DIR | --icons OUTPUT_DIR | --list\n";
    return usageError;
}
