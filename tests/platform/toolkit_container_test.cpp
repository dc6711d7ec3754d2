// Container windows and their children, the window menu that Alt+Space opens,
// and SendKeys delivering keys to the window with the focus.

#include "levora/toolkit/controls.h"
#include "levora/toolkit/form.h"
#include "levora/toolkit/mdi_form.h"
#include "levora/toolkit/runtime.h"
#include "levora/toolkit/send_keys.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <vector>

namespace levora::toolkit {
namespace {

std::vector<QString>& events() {
    static std::vector<QString> log;
    return log;
}

class Container : public MdiForm {
public:
    Container() : MdiForm(QStringLiteral("Container"), 4500, 3000) {}

protected:
    void MDIForm_Load() override { events().push_back(QStringLiteral("container load")); }
    void MDIForm_Unload(std::int16_t& /*Cancel*/) override {
        events().push_back(QStringLiteral("container unload"));
    }
};

QPointer<Container>& theContainer() {
    static QPointer<Container> container;
    return container;
}

Container& containerWindow() {
    Container* existing = theContainer().data();
    if (existing == nullptr || existing->isUnloaded()) {
        existing = new Container;
        theContainer() = existing;
    }
    existing->Load();
    return *existing;
}

MdiForm& container() { return containerWindow(); }

class Child : public Form {
public:
    explicit Child(const QString& name, double width = 1500, double height = 1500)
        : Form(name, &container, width, height) {}

    bool cancelUnload = false;

protected:
    void Form_Load() override { events().push_back(objectName() + QStringLiteral(" load")); }
    void Form_Unload(std::int16_t& Cancel) override {
        events().push_back(objectName() + QStringLiteral(" unload"));
        Cancel = cancelUnload ? 1 : 0;
    }
};

class ContainerTest : public ::testing::Test {
protected:
    void SetUp() override { events().clear(); }
    void TearDown() override {
        releaseForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(ContainerTest, ShowingAChildLoadsAndShowsItsContainerFirst) {
    auto* child = new Child(QStringLiteral("A"));
    child->Show();
    EXPECT_EQ(events(), (std::vector<QString>{QStringLiteral("container load"), QStringLiteral("A load")}));
    Container* window = &containerWindow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(child->isVisible());
    EXPECT_EQ(child->window(), window);
    EXPECT_EQ(window->childForms(), QList<Form*>{child});
    EXPECT_EQ(focusedWindow(), window);
}

TEST_F(ContainerTest, UnloadingTheContainerUnloadsItsChildrenFirst) {
    auto* first = new Child(QStringLiteral("A"));
    auto* second = new Child(QStringLiteral("B"));
    first->Show();
    second->Show();
    events().clear();
    Container& window = containerWindow();
    window.Unload();
    EXPECT_EQ(events(), (std::vector<QString>{QStringLiteral("A unload"), QStringLiteral("B unload"),
                                              QStringLiteral("container unload")}));
    EXPECT_TRUE(window.isUnloaded());
}

TEST_F(ContainerTest, AChildThatCancelsItsUnloadKeepsTheContainerLoaded) {
    auto* child = new Child(QStringLiteral("A"));
    child->Show();
    child->cancelUnload = true;
    Container& window = containerWindow();
    window.Unload();
    EXPECT_TRUE(window.isLoaded());
    EXPECT_TRUE(child->isLoaded());
    child->cancelUnload = false;
}

TEST_F(ContainerTest, AChildUnloadedFromItsOwnHandlerIsDestroyedOnlyLater) {
    auto* child = new Child(QStringLiteral("A"));
    child->Show();
    Container& window = containerWindow();
    const QPointer<Child> watched = child;
    child->Unload();
    EXPECT_TRUE(child->isUnloaded());
    EXPECT_FALSE(watched.isNull()) << "still there while its caller runs";
    EXPECT_TRUE(window.childForms().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
    EXPECT_TRUE(window.isLoaded()) << "the container stays open without children";
}

TEST_F(ContainerTest, AChildCannotBeShownModally) {
    auto* child = new Child(QStringLiteral("A"));
    EXPECT_THROW(child->Show(1), RunTimeError);
}

TEST_F(ContainerTest, AChildLargerThanTheClientAreaIsScrolled) {
    auto* child = new Child(QStringLiteral("Large"), 12000, 9000);
    child->Show();
    QCoreApplication::processEvents();
    const QMdiArea* workspace = containerWindow().workspace();
    EXPECT_GT(workspace->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(workspace->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(child->parentWidget()->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(child->ScaleWidth(), 12000.0) << "the client area has its size at once";
}

TEST_F(ContainerTest, AltSpaceThenEnterRestoresAMinimizedWindowAndFocusesIt) {
    auto* child = new Child(QStringLiteral("A"));
    child->Show();
    Container* window = &containerWindow();
    window->setWindowState(1);
    SendKeys(QStringLiteral("%{ }"), true);
    EXPECT_TRUE(window->isWindowMenuOpen());
    SendKeys(QStringLiteral("{Enter}"), true);
    EXPECT_FALSE(window->isWindowMenuOpen());
    EXPECT_EQ(window->WindowState(), 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(focusedWindow(), window);
}

TEST_F(ContainerTest, AnyOtherKeyClosesTheWindowMenuAndDoesNothingElse) {
    auto* child = new Child(QStringLiteral("A"));
    child->Show();
    Container* window = &containerWindow();
    window->setWindowState(1);
    SendKeys(QStringLiteral("%{ }{Esc}"), true);
    EXPECT_FALSE(window->isWindowMenuOpen());
    EXPECT_EQ(window->WindowState(), 1);
}

class Typing : public Form {
public:
    Typing() : Form(QStringLiteral("Typing"), BorderStyle::FixedSingle, CaptionButtons::CloseOnly, 3000, 2000) {
        box = new TextBox(client(), QStringLiteral("Text1"));
        box->Move(0, 0, 2000, 300);
    }
    TextBox* box;
};

TEST_F(ContainerTest, SendKeysTypesIntoTheControlWithTheFocus) {
    auto* window = new Typing;
    window->Show();
    window->box->setFocus();
    SendKeys(QStringLiteral("+ab1{BS}~"), true);
    EXPECT_EQ(window->box->text(), QStringLiteral("Ab"));
}

TEST_F(ContainerTest, SendKeysRejectsAMalformedTextBeforeSendingAnything) {
    auto* window = new Typing;
    window->Show();
    window->box->setFocus();
    try {
        SendKeys(QStringLiteral("ab{Nowhere}"), true);
        ADD_FAILURE() << "no failure";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.failure(), Failure::InvalidProcedureCall);
    }
    EXPECT_TRUE(window->box->text().isEmpty());
}

} // namespace
} // namespace levora::toolkit
