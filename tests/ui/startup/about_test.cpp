// The About box: its placement, its layout in its own scale, its closing and
// its fresh start on every opening.

#include "startup_fixture.h"

#include "modal.h"

#include "main/Form1.h"
#include "startup/ProgramInfo.h"
#include "startup/frmAbout.h"

#include "levora/toolkit/colour.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <functional>

#include <string>

namespace levora::ui {
namespace {

class AboutTest : public StartupTest {
protected:
    /// Opens the box modally, runs `inside` while it waits, and returns once
    /// the box has closed.
    static void openAbout(const std::function<void(frmAbout&)>& inside) {
        testing::whenModal([&inside](QWidget& modal) {
            auto* about = qobject_cast<frmAbout*>(&modal);
            ASSERT_NE(about, nullptr) << "the modal window is " << modal.objectName().toStdString();
            inside(*about);
        });
        forms::frmAbout->Show(1);
    }
};

TEST_F(AboutTest, TheBoxLandsAThirdOfTheScreenLessAQuarterOfItselfFromTheTopLeft) {
    openAbout([](frmAbout& about) {
        EXPECT_EQ(about.Caption(), QStringLiteral("About Levora"));
        EXPECT_EQ(about.Width(), 4845.0);
        EXPECT_EQ(about.Height(), 2805.0);
        EXPECT_EQ(about.Left(), 3908.75);
        EXPECT_EQ(about.Top(), 3138.75);
        // 3908.75 and 3138.75 twips are 260.6 and 209.25 pixels.
        EXPECT_EQ(about.geometry().topLeft(), QPoint(261 + about.frame().left, 209 + about.frame().top));
        about.cmdOK->click();
    });
}

struct Placed {
    const char* name;
    QRect pixels;
};

class AboutLayout : public AboutTest, public ::testing::WithParamInterface<Placed> {};

// Positions in the box's units: 1.0649041 twips across and 1.4488173 down.
TEST_P(AboutLayout, ControlsSitWhereTheirUnitsPutThem) {
    openAbout([](frmAbout& about) {
        const auto* control = about.client()->findChild<QWidget*>(QString::fromLatin1(GetParam().name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), GetParam().pixels);
        EXPECT_TRUE(control->isVisible());
        about.cmdOK->click();
    });
}

INSTANTIATE_TEST_SUITE_P(
    About, AboutLayout,
    ::testing::Values(Placed{"picIcon", {16, 16, 64, 64}}, Placed{"lblTitle", {88, 16, 187, 17}},
                      Placed{"lblVersion", {96, 32, 178, 13}}, Placed{"lblCopyRight", {96, 48, 201, 15}},
                      Placed{"lblDisclaimer", {96, 64, 178, 25}},
                      // Moved at load: left 250.6, top 1669.6 and height 486.8 twips.
                      Placed{"lblDescription", {17, 111, 181, 32}}, Placed{"cmdOK", {224, 120, 68, 23}}),
    [](const ::testing::TestParamInfo<Placed>& param) { return std::string(param.param.name); });

TEST_F(AboutTest, LoadMovesThePictureAndTheWebAddressInTheBoxsUnits) {
    openAbout([](frmAbout& about) {
        EXPECT_EQ(about.picIcon->Left(), 225.372);
        EXPECT_EQ(about.lblDescription->Left(), 235.372);
        EXPECT_EQ(about.lblDescription->Top(), 1152.392);
        EXPECT_EQ(about.lblDescription->Height(), 336.0);
        EXPECT_NEAR(about.lblDescription->Width() * static_cast<double>(frmAbout::TwipsPerUnitX), 2715.0, 1e-3);
        about.cmdOK->click();
    });
}

TEST_F(AboutTest, TheTextsAreSetAndFitTheirLabels) {
    openAbout([](frmAbout& about) {
        EXPECT_EQ(about.lblTitle->Caption(), QStringLiteral("Levora for N.Korea"));
        EXPECT_EQ(about.lblVersion->Caption(), QStringLiteral("Version 1.01"));
        EXPECT_EQ(about.lblCopyRight->Caption(), ProgramInfo::CopyrightLine());
        const QStringList address = about.lblDescription->Caption().split(QChar(10));
        ASSERT_EQ(address.size(), 2);
        EXPECT_EQ(address[0], QStringLiteral("URL:"));
        EXPECT_TRUE(address[1].startsWith(QStringLiteral("https://")));
        EXPECT_EQ(about.lblDescription->ForeColor(), toolkit::RGB(88, 100, 66));
        EXPECT_EQ(about.lblTitle->ForeColor(), toolkit::RGB(0, 0, 0));
        EXPECT_EQ(about.lblCopyRight->ForeColor(), toolkit::RGB(0, 0, 0));
        for (const toolkit::Label* label :
             {about.lblTitle, about.lblVersion, about.lblCopyRight, about.lblDisclaimer, about.lblDescription}) {
            EXPECT_TRUE(textFits(*label));
        }
        about.cmdOK->click();
    });
}

TEST_F(AboutTest, TheSeparatorIsAGreyLineOnAWhiteOne) {
    openAbout([](frmAbout& about) {
        const QImage client = about.client()->grab().toImage();
        // 1545 and 1560 twips down are rows 103 and 104; across from 137 to 4566 twips.
        for (const int x : {10, 150, 303}) {
            EXPECT_EQ(QColor(client.pixel(x, 103)), QColor(128, 128, 128)) << x;
            EXPECT_EQ(QColor(client.pixel(x, 104)), QColor(Qt::white)) << x;
        }
        EXPECT_NE(QColor(client.pixel(5, 103)), QColor(128, 128, 128)) << "the rule starts at 9 pixels";
        about.cmdOK->click();
    });
}

struct ClosingCase {
    const char* way;
    std::function<void(frmAbout&)> close;
};

class AboutClosing : public AboutTest, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(AboutClosing, UnloadsTheBox) {
    QPointer<frmAbout> shown;
    openAbout([&shown](frmAbout& about) {
        shown = &about;
        GetParam().close(about);
    });
    EXPECT_FALSE(forms::frmAbout.isLoaded());
    EXPECT_TRUE(goneOrUnloaded(shown));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutClosing,
    ::testing::Values(ClosingCase{"OK", [](frmAbout& about) { QTest::mouseClick(about.cmdOK, Qt::LeftButton); }},
                      ClosingCase{"Enter", [](frmAbout& about) { QTest::keyClick(&about, Qt::Key_Return); }},
                      ClosingCase{"Esc", [](frmAbout& about) { QTest::keyClick(&about, Qt::Key_Escape); }},
                      ClosingCase{"CloseBox", [](frmAbout& about) { about.close(); }}),
    [](const ::testing::TestParamInfo<ClosingCase>& param) { return std::string(param.param.way); });

TEST_F(AboutTest, TheBoxIsModalOverTheMainWindow) {
    Form1& main = forms::Form1.get();
    main.Show();
    // A request that would be estimated, should the click get through.
    main.Text2->setText(QStringLiteral("100"));
    main.Combo1->setListIndex(0);
    main.Combo2->setListIndex(0);
    openAbout([&main](frmAbout& about) {
        EXPECT_EQ(QApplication::activeModalWidget(), &about);
        EXPECT_TRUE(about.isModal());
        // A click as the window system delivers it, which modality filters.
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, main.Command1->mapTo(&main, QPoint(10, 10)));
        EXPECT_EQ(QApplication::activeModalWidget(), &about) << "the main window took no input";
        EXPECT_FALSE(main.Label6->Visible()) << "no estimation ran";
        about.cmdOK->click();
    });
}

TEST_F(AboutTest, TwoOpeningsInARowLookTheSame) {
    QImage first;
    QImage second;
    QPointer<frmAbout> firstBox;
    openAbout([&first, &firstBox](frmAbout& about) {
        firstBox = &about;
        first = about.grab().toImage();
        about.cmdOK->click();
    });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(firstBox.isNull()) << "the closed box is gone";
    openAbout([&second](frmAbout& about) {
        EXPECT_EQ(about.Left(), 3908.75);
        EXPECT_EQ(about.lblDescription->Top(), 1152.392);
        second = about.grab().toImage();
        about.cmdOK->click();
    });
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first, second);
}

} // namespace
} // namespace levora::ui
