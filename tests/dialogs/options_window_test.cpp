// The options window: what it offers, what "ＯＫ" stores, and the keys.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs_fixture.h"
#include "mainwindow/main_window.h"
#include "support/fake_board.h"

namespace dialogs_test {
namespace {

QLineEdit* Box(const QWidget* window) { return testsupport::Part<QLineEdit>(window, "txtClickSu"); }
QPushButton* OK(const QWidget* window) { return testsupport::Part<QPushButton>(window, "cmdOK"); }
dialogs::OptionsWindow* OpenOptions() { return testsupport::OpenWindow<dialogs::OptionsWindow>(); }

class OptionsWindowTest : public DialogsTest {
protected:
    dialogs::OptionsWindow* Open() {
        dialogs::OptionsWindow* window = ShowOptions();
        Activate(window);
        return window;
    }

    // Presses "ＯＫ" and lets the window go if it closed.
    void PressOK(dialogs::OptionsWindow* window) {
        QTest::mouseClick(OK(window), Qt::LeftButton);
        Settle();
    }
};

TEST_F(OptionsWindowTest, OffersFifteenSelectedOnEveryLoad) {
    clickSu = 15;
    auto* window = Open();
    Box(window)->setText("20");
    PressOK(window);
    ASSERT_EQ(clickSu, 20);
    EXPECT_EQ(OpenOptions(), nullptr);

    window = Open();
    EXPECT_EQ(Box(window)->text(), "15");
    EXPECT_EQ(Box(window)->selectedText(), "15");
    PressOK(window);
    EXPECT_EQ(clickSu, 15);
}

TEST_F(OptionsWindowTest, EmptyBoxKeepsTheValueAndCloses) {
    clickSu = 42;
    auto* window = Open();
    Box(window)->clear();
    PressOK(window);
    EXPECT_EQ(clickSu, 42);
    EXPECT_EQ(OpenOptions(), nullptr);
}

TEST_F(OptionsWindowTest, TypingReplacesTheSelectionAndLeadingZeroIsDropped) {
    auto* window = Open();
    QTest::keyClicks(Box(window), "7");
    EXPECT_EQ(Box(window)->text(), "7");
    PressOK(window);
    EXPECT_EQ(clickSu, 7);

    window = Open();
    QTest::keyClicks(Box(window), "07");
    PressOK(window);
    EXPECT_EQ(clickSu, 7);
}

TEST_F(OptionsWindowTest, BoxTakesAtMostTwoDigits) {
    auto* window = Open();
    QLineEdit* box = Box(window);
    QTest::keyClicks(box, "123");
    EXPECT_EQ(box->text(), "12");

    box->selectAll();
    QTest::keyClicks(box, "a-5x");
    EXPECT_EQ(box->text(), "5");

    // Pasted text goes through the same check.
    box->clear();
    box->insert("ab");
    EXPECT_EQ(box->text(), "");
}

TEST_F(OptionsWindowTest, EnterMovesTheFocusToOKWithoutClosing) {
    clickSu = 15;
    auto* window = Open();
    ASSERT_EQ(window->focusWidget(), Box(window));
    QTest::keyClicks(Box(window), "30");
    QTest::keyClick(Box(window), Qt::Key_Return);
    Settle();
    EXPECT_EQ(OpenOptions(), window);
    EXPECT_EQ(window->focusWidget(), OK(window));
    EXPECT_EQ(clickSu, 15);

    // Enter on the focused button presses it.
    QTest::keyClick(OK(window), Qt::Key_Return);
    Settle();
    EXPECT_EQ(clickSu, 30);
    EXPECT_EQ(OpenOptions(), nullptr);
}

TEST_F(OptionsWindowTest, EscDoesNothing) {
    clickSu = 15;
    auto* window = Open();
    QTest::keyClicks(Box(window), "30");
    for (QWidget* target : {static_cast<QWidget*>(Box(window)), static_cast<QWidget*>(OK(window))}) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        Settle();
        ASSERT_EQ(OpenOptions(), window);
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_EQ(Box(window)->text(), "30");
    EXPECT_EQ(clickSu, 15);
}

TEST_F(OptionsWindowTest, EnterOnTheBoxNeverPressesOK) {
    // Not even after ＯＫ had the focus once, as a dialog's default button would.
    auto* window = Open();
    QTest::keyClick(Box(window), Qt::Key_Return);
    Settle();
    ASSERT_EQ(window->focusWidget(), OK(window));
    Box(window)->setFocus();
    Box(window)->setText("40");
    QTest::keyClick(Box(window), Qt::Key_Enter);
    Settle();
    EXPECT_EQ(OpenOptions(), window);
    EXPECT_EQ(clickSu, 15);
    EXPECT_EQ(window->focusWidget(), OK(window));
}

TEST_F(OptionsWindowTest, LeavingTheBoxAnyWayPutsTheFocusOnOK) {
    auto* window = Open();
    QTest::keyClick(Box(window), Qt::Key_Tab);
    Settle();
    EXPECT_EQ(window->focusWidget(), OK(window));
}

// The "ｵﾌﾟｼｮﾝ" command of the main window: refused during a game, and
// what "ＯＫ" stores is the next game's option.
TEST_F(OptionsWindowTest, TheMenuCommandOpensItOutsideAGameAndTheGameTakesWhatItStores) {
    testsupport::FakeSound sound;
    testsupport::ScriptedRandom random;
    mainwindow::Form1 form(sound, random, services);
    form.m8_Click();
    auto* window = OpenOptions();
    ASSERT_NE(window, nullptr);
    Box(window)->setText("4");
    form.m8_Click();  // open already: brought forward, the box kept
    EXPECT_EQ(OpenOptions(), window);
    EXPECT_EQ(Box(window)->text(), "4");
    PressOK(window);
    EXPECT_EQ(form.Game().Shared().ClickSu, 4);

    services.ExpectBoxes();
    form.Pictures().Take(QImage(30, 30, QImage::Format_RGB32), "");
    form.Game().m1a_Click(1);
    EXPECT_EQ(form.Game().State().ShuffleLimit, 8);
    form.m8_Click();
    ASSERT_EQ(services.Shown().size(), 1u);
    EXPECT_EQ(services.Shown()[0].prompt, "ゲームが開始されていますので選択できません。");
    EXPECT_EQ(services.Shown()[0].title, "エラー");
    EXPECT_EQ(services.Shown()[0].buttons, platform::MsgButtons::Ok);
    EXPECT_EQ(OpenOptions(), nullptr);

    form.Game().m1b_Click();
    form.m8_Click();
    EXPECT_EQ(services.Shown().size(), 1u);
    ASSERT_NE(OpenOptions(), nullptr);
    EXPECT_EQ(Box(OpenOptions())->text(), "15");
}

TEST_F(OptionsWindowTest, ZeroIsRefusedAndTheWindowStaysOpen) {
    services.ExpectBoxes();
    clickSu = 25;
    auto* window = Open();
    for (const char* zero : {"0", "00"}) {
        Box(window)->setText(zero);
        PressOK(window);
        EXPECT_EQ(clickSu, 25) << zero;
        ASSERT_EQ(OpenOptions(), window) << zero;
    }
    ASSERT_EQ(services.Shown().size(), 2u);
    EXPECT_EQ(services.Shown()[0].prompt, "1から99までの数字を入力して下さい。");
    EXPECT_EQ(services.Shown()[0].title, "エラー");
    EXPECT_EQ(services.Shown()[0].buttons, platform::MsgButtons::Ok);
    // The player can type the fix straight away.
    EXPECT_EQ(window->focusWidget(), Box(window));
    EXPECT_EQ(Box(window)->selectedText(), "00");
}

TEST_F(OptionsWindowTest, CloseBoxStoresNothing) {
    clickSu = 15;
    auto* window = Open();
    Box(window)->setText("50");
    window->close();
    Settle();
    EXPECT_EQ(clickSu, 15);
    EXPECT_EQ(OpenOptions(), nullptr);
}

TEST_F(OptionsWindowTest, DesignedAsAFixedDialogInTheMiddleOfTheScreen) {
    auto* window = Open();
    EXPECT_EQ(window->size(), QSize(164, 74));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), "ペルノカ Ver.0.2");
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(Box(window)->geometry(), QRect(49, 21, 29, 21));
    EXPECT_EQ(OK(window)->geometry(), QRect(119, 49, 43, 22));
    EXPECT_EQ(OK(window)->text(), "ＯＫ");
    // Every label reads whole with the substitute font and clear of the box.
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
        const QRect text(label->pos(), QSize(textWidth, label->height()));
        EXPECT_TRUE(window->rect().contains(text)) << label->text().toStdString();
        EXPECT_FALSE(text.intersects(Box(window)->geometry())) << label->text().toStdString();
    }
    const QRect screen = window->screen()->geometry();
    EXPECT_LE((window->frameGeometry().center() - screen.center()).manhattanLength(), 2);
}

}  // namespace
}  // namespace dialogs_test
