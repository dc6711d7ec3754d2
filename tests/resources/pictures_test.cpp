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

TEST(CompiledPictures, EveryListedPictureIsCompiledInAtItsSize) {
    for (const Listed& picture : listedPictures()) {
        SCOPED_TRACE(picture.name.toStdString());
        const QImage image(resourcePath(picture.name));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), picture.size);
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

TEST(CompiledPictures, EveryCompiledPictureIsListed) {
    QSet<QString> listed;
    for (const Listed& picture : listedPictures()) {
        listed.insert(resourcePath(picture.name));
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
std::unique_ptr<QTemporaryDir> generated() {
    auto directory = std::make_unique<QTemporaryDir>();
    EXPECT_TRUE(directory->isValid());
    const GeneratorRun run = runGenerator({directory->path()});
    EXPECT_TRUE(run.exitedNormally && run.exitCode == 0) << run.errors.toStdString();
    return directory;
}

TEST(PictureGenerator, ReproducesTheCompiledPicturesPixelForPixel) {
    const auto directory = generated();
    QStringList expectedFiles;
    for (const Listed& picture : listedPictures()) {
        SCOPED_TRACE(picture.name.toStdString());
        const QString file = picture.name + QStringLiteral(".png");
        expectedFiles.append(file);
        const QImage drawn = argb(QDir(directory->path()).filePath(file));
        const QImage compiled = argb(resourcePath(picture.name));
        ASSERT_FALSE(drawn.isNull());
        ASSERT_FALSE(compiled.isNull());
        ASSERT_EQ(drawn.size(), compiled.size());
        EXPECT_EQ(differingPixels(drawn, compiled), 0);
    }
    expectedFiles.sort();
    EXPECT_EQ(QDir(directory->path()).entryList(QDir::Files, QDir::Name), expectedFiles);
}

TEST(PictureGenerator, WritesTheSameBytesEveryTime) {
    const auto first = generated();
    const auto second = generated();
    for (const Listed& picture : listedPictures()) {
        SCOPED_TRACE(picture.name.toStdString());
        const QString file = picture.name + QStringLiteral(".png");
        QFile a(QDir(first->path()).filePath(file));
        QFile b(QDir(second->path()).filePath(file));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly));
        ASSERT_TRUE(b.open(QIODevice::ReadOnly));
        EXPECT_TRUE(a.readAll() == b.readAll());
    }
}

TEST(PictureGenerator, RejectsAnythingButADirectoryOrList) {
    const std::vector<QStringList> cases{
        {},
        {QStringLiteral("one"), QStringLiteral("two")},
        {QStringLiteral("--list"), QStringLiteral("out")},
        {QStringLiteral("--lists")},
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
