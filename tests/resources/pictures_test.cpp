#include <levora/pictures.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// QProcess wants an application object around it.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QCoreApplication>(argc_, argv_.data()); }
    void TearDown() override { app_.reset(); }

private:
    std::string name_ = "resources_tests";
    int argc_ = 1;
    std::vector<char*> argv_{name_.data(), nullptr};
    std::unique_ptr<QCoreApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

struct GeneratorRun {
    bool exitedNormally = false;
    int exitCode = -1;
    QString output;
    QString errors;
};

GeneratorRun runGenerator(const QStringList& arguments,
                          const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LEVORA_PICTUREGEN), arguments);
    GeneratorRun run;
    if (!process.waitForFinished(-1)) {
        run.errors = process.errorString();
        return run;
    }
    run.exitedNormally = process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

struct Listed {
    QString name;
    QSize size;
};

// The pictures as the generator's --list gives them, read once.
const std::vector<Listed>& listedPictures() {
    static const std::vector<Listed> listed = [] {
        std::vector<Listed> pictures;
        const GeneratorRun run = runGenerator({QStringLiteral("--list")});
        EXPECT_TRUE(run.exitedNormally && run.exitCode == 0) << run.errors.toStdString();
        for (const QString& line : run.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(QLatin1Char(' '));
            bool wide = false;
            bool high = false;
            if (fields.size() == 3) {
                pictures.push_back({fields[0], {fields[1].toInt(&wide), fields[2].toInt(&high)}});
            }
            EXPECT_TRUE(fields.size() == 3 && wide && high) << "unreadable line: " << line.toStdString();
        }
        return pictures;
    }();
    return listed;
}

QString resourcePath(const QString& name) { return QStringLiteral(":/pictures/%1.png").arg(name); }

// The files of a picture: drawn at its size and at twice its size.
struct Density {
    const char* suffix;
    int scale;
};
constexpr std::array densities{Density{".png", 1}, Density{"@2x.png", 2}};

QString fileName(const QString& name, const Density& density) {
    return name + QString::fromLatin1(density.suffix);
}

QImage argb(const QString& path) { return QImage(path).convertToFormat(QImage::Format_ARGB32); }

// How many pixels differ between two images of the same size.
int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

// How many pixels differ from the picture's most common colour, its background.
int pixelsOffBackground(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    int background = 0;
    for (const auto& [colour, count] : counts) {
        background = std::max(background, count);
    }
    return image.width() * image.height() - background;
}

TEST(PictureGenerator, ListsEveryPictureOnceWithAPositiveSize) {
    const auto& listed = listedPictures();
    EXPECT_FALSE(listed.empty());
    QSet<QString> names;
    for (const Listed& picture : listed) {
        SCOPED_TRACE(picture.name.toStdString());
        EXPECT_FALSE(picture.name.isEmpty());
        EXPECT_FALSE(names.contains(picture.name));
        names.insert(picture.name);
        EXPECT_GT(picture.size.width(), 0);
        EXPECT_GT(picture.size.height(), 0);
    }
}

// Calls check(image, picture, density) with both compiled files of every
// listed picture, each read as the program reads it.
template <typename Check>
void forEachCompiledFile(const Check& check) {
    for (const Listed& picture : listedPictures()) {
        for (const Density& density : densities) {
            const QString file = fileName(picture.name, density);
            SCOPED_TRACE(file.toStdString());
            const QImage image(QStringLiteral(":/pictures/") + file);
            ASSERT_FALSE(image.isNull());
            check(image, picture, density);
        }
    }
}

TEST(CompiledPictures, EveryListedPictureIsCompiledInAtItsSizeAndTwice) {
    forEachCompiledFile([](const QImage& image, const Listed& picture, const Density& density) {
        EXPECT_EQ(image.size(), picture.size * density.scale);
    });
}

// A picture at 2x is drawn anew, finer than its 1x picture with every pixel doubled.
TEST(CompiledPictures, TwiceTheSizeIsDrawnNotScaledUp) {
    for (const Listed& picture : listedPictures()) {
        SCOPED_TRACE(picture.name.toStdString());
        const QImage single = argb(resourcePath(picture.name));
        const QImage twice = argb(QStringLiteral(":/pictures/%1@2x.png").arg(picture.name));
        ASSERT_FALSE(single.isNull());
        ASSERT_FALSE(twice.isNull());
        const QImage doubled = single.scaled(single.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        ASSERT_EQ(doubled.size(), twice.size());
        EXPECT_GT(differingPixels(doubled, twice), 0);
    }
}

TEST(CompiledPictures, NoneIsBlank) {
    for (const Listed& picture : listedPictures()) {
        SCOPED_TRACE(picture.name.toStdString());
        const QImage image = argb(resourcePath(picture.name));
        ASSERT_FALSE(image.isNull());
        // Even the smallest text or icon covers a twentieth of its picture.
        EXPECT_GE(pixelsOffBackground(image) * 20, image.width() * image.height());
    }
}

bool isOpaqueGrey(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) != 255 || qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel)) {
                return false;
            }
        }
    }
    return true;
}

// The program keeps a picture in the format of its file: the grey help pages
// take one byte a pixel only when their files do.
TEST(CompiledPictures, OpaqueGreyPicturesAreStoredAtOneByteAPixel) {
    int grey = 0;
    forEachCompiledFile([&grey](const QImage& image, const Listed& /*picture*/, const Density& /*density*/) {
        const bool opaqueGrey = isOpaqueGrey(image);
        EXPECT_EQ(image.format() == QImage::Format_Grayscale8, opaqueGrey);
        grey += opaqueGrey ? 1 : 0;
    });
    for (const char* page : {"glossary_page", "note_page"}) {
        EXPECT_EQ(QImage(resourcePath(QString::fromLatin1(page))).format(), QImage::Format_Grayscale8) << page;
    }
    EXPECT_LT(grey, 2 * static_cast<int>(listedPictures().size())) << "the coloured pictures keep their colours";
}

TEST(CompiledPictures, EveryCompiledPictureIsListed) {
    QSet<QString> listed;
    for (const Listed& picture : listedPictures()) {
        for (const Density& density : densities) {
            listed.insert(QStringLiteral(":/pictures/") + fileName(picture.name, density));
        }
    }
    int compiled = 0;
    QDirIterator files(QStringLiteral(":/pictures"), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        ++compiled;
        EXPECT_TRUE(listed.contains(path)) << path.toStdString() << " is not drawn by the generator";
    }
    EXPECT_EQ(compiled, listed.size());
}

// Generates the pictures into a fresh directory, or fails the test.
std::unique_ptr<QTemporaryDir> generated(const QStringList& options = {}) {
    auto directory = std::make_unique<QTemporaryDir>();
    EXPECT_TRUE(directory->isValid());
    const GeneratorRun run = runGenerator(options + QStringList{directory->path()});
    EXPECT_TRUE(run.exitedNormally && run.exitCode == 0) << run.errors.toStdString();
    return directory;
}

TEST(PictureGenerator, ReproducesTheCompiledPicturesPixelForPixel) {
    const auto directory = generated();
    QStringList expectedFiles;
    for (const Listed& picture : listedPictures()) {
        for (const Density& density : densities) {
            const QString file = fileName(picture.name, density);
            SCOPED_TRACE(file.toStdString());
            expectedFiles.append(file);
            const QImage drawn = argb(QDir(directory->path()).filePath(file));
            const QImage compiled = argb(QStringLiteral(":/pictures/") + file);
            ASSERT_FALSE(drawn.isNull());
            ASSERT_FALSE(compiled.isNull());
            ASSERT_EQ(drawn.size(), compiled.size());
            EXPECT_EQ(differingPixels(drawn, compiled), 0);
        }
    }
    expectedFiles.sort();
    EXPECT_EQ(QDir(directory->path()).entryList(QDir::Files, QDir::Name), expectedFiles);
}

TEST(PictureGenerator, WritesTheSameBytesEveryTime) {
    const auto first = generated();
    const auto second = generated();
    for (const Listed& picture : listedPictures()) {
        for (const Density& density : densities) {
            const QString file = fileName(picture.name, density);
            SCOPED_TRACE(file.toStdString());
            QFile a(QDir(first->path()).filePath(file));
            QFile b(QDir(second->path()).filePath(file));
            ASSERT_TRUE(a.open(QIODevice::ReadOnly));
            ASSERT_TRUE(b.open(QIODevice::ReadOnly));
            EXPECT_TRUE(a.readAll() == b.readAll());
        }
    }
}

// The sizes of the desktop icon theme the program's icon is drawn at.
constexpr std::array iconSizes{16, 22, 24, 32, 48, 64, 128, 256};

QString iconPath(int size) { return QStringLiteral("hicolor/%1x%1/apps/org.example.levora.Levora.png").arg(size); }

TEST(ProgramIcons, TheCommittedIconsAreWhatTheGeneratorDrawsAtEachSize) {
    const auto directory = generated({QStringLiteral("--icons")});
    QStringList expected;
    for (const int size : iconSizes) {
        SCOPED_TRACE(size);
        expected.append(iconPath(size));
        const QImage drawn = argb(QDir(directory->path()).filePath(iconPath(size)));
        const QImage committed = argb(QDir(QStringLiteral(LEVORA_ICONS_DIR)).filePath(iconPath(size)));
        ASSERT_EQ(drawn.size(), QSize(size, size));
        ASSERT_EQ(committed.size(), QSize(size, size));
        EXPECT_EQ(differingPixels(drawn, committed), 0);
    }
    QStringList written;
    QDirIterator files(directory->path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        written.append(QDir(directory->path()).relativeFilePath(files.next()));
    }
    written.sort();
    expected.sort();
    EXPECT_EQ(written, expected);
}

// Each size is drawn for itself: the larger icon shrunk to the smaller one's
// size is not what the smaller one is.
TEST(ProgramIcons, EachSizeIsDrawnNotScaled) {
    const QDir icons(QStringLiteral(LEVORA_ICONS_DIR));
    for (std::size_t index = 0; index + 1 < iconSizes.size(); ++index) {
        const int size = iconSizes.at(index);
        SCOPED_TRACE(size);
        const QImage small = argb(icons.filePath(iconPath(size)));
        const QImage large = argb(icons.filePath(iconPath(iconSizes.at(index + 1))));
        ASSERT_FALSE(small.isNull());
        ASSERT_FALSE(large.isNull());
        const QImage shrunk = large.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_GT(differingPixels(shrunk, small), 0);
        EXPECT_GE(pixelsOffBackground(small) * 20, size * size);
    }
}

TEST(PictureGenerator, RejectsAnythingButADirectoryOrList) {
    const std::vector<QStringList> cases{
        {},
        {QStringLiteral("one"), QStringLiteral("two")},
        {QStringLiteral("--list"), QStringLiteral("out")},
        {QStringLiteral("--lists")},
        {QStringLiteral("--icons")},
        {QStringLiteral("--icons"), QStringLiteral("one"), QStringLiteral("two")},
        {QStringLiteral("--icons"), QStringLiteral("--list")},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const GeneratorRun run = runGenerator(arguments);
        EXPECT_TRUE(run.exitedNormally);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.output.isEmpty());
        EXPECT_TRUE(run.errors.contains(QStringLiteral("usage: levora-picturegen"))) << run.errors.toStdString();
    }
}

TEST(PictureGenerator, RefusesToDrawWithoutTheChineseFont) {
    // The system's fonts less the Chinese one, as if it were not installed.
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    QFile file(config.filePath(QStringLiteral("fonts.conf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont><rejectfont><pattern>
    <patelt name="family"><string>WenQuanYi Micro Hei</string></patelt>
  </pattern></rejectfont></selectfont>
</fontconfig>
)");
    file.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), file.fileName());

    const QString out = config.filePath(QStringLiteral("pictures"));
    const GeneratorRun run = runGenerator({out}, environment);
    EXPECT_TRUE(run.exitedNormally);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("the font \"WenQuanYi Micro Hei\" is not installed")))
        << run.errors.toStdString();
    EXPECT_TRUE(QDir(out).entryList(QDir::Files).isEmpty());
}

TEST(HandCursor, HotSpotIsTheFingertip) {
    const QImage cursor = argb(resourcePath(QStringLiteral("hand_cursor")));
    ASSERT_FALSE(cursor.isNull());
    const int hotX = levora::pictures::HandCursorHotX;
    const int hotY = levora::pictures::HandCursorHotY;
    ASSERT_TRUE(cursor.rect().contains(hotX, hotY));
    EXPECT_EQ(qAlpha(cursor.pixel(hotX, hotY)), 255);
    // Nothing of the hand reaches above the tip of its finger.
    for (int y = 0; y < hotY; ++y) {
        for (int x = 0; x < cursor.width(); ++x) {
            EXPECT_EQ(qAlpha(cursor.pixel(x, y)), 0) << x << ',' << y;
        }
    }
}

} // namespace
