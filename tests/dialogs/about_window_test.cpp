// The about window: the logo animation tick by tick, closing, the mail link.
#include <QFontInfo>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialogs/stretched_image.h"
#include "dialogs_fixture.h"

namespace dialogs_test {
namespace {

QTimer* Timer1(const QWidget* window) { return testsupport::Part<QTimer>(window, "Timer1"); }
const dialogs::StretchedImage* Logo(const QWidget* window) {
    return testsupport::Part<dialogs::StretchedImage>(window, "imgLogoWk");
}
QLabel* MailLabel(const QWidget* window) { return testsupport::Part<QLabel>(window, "Label6"); }
QPushButton* OK(const QWidget* window) { return testsupport::Part<QPushButton>(window, "cmdAbout"); }
dialogs::AboutWindow* OpenAbout() { return testsupport::OpenWindow<dialogs::AboutWindow>(); }

class AboutWindowTest : public DialogsTest {
protected:
    // One 700 ms period: the timer's own signal, so the connection is tested too.
    static void Tick(dialogs::AboutWindow* window) {
        ASSERT_TRUE(QMetaObject::invokeMethod(Timer1(window), "timeout", Qt::DirectConnection));
    }

    // Which logo frame the window shows, by its pixels; 0 for none of them.
    static int ShownFrame(const dialogs::AboutWindow* window) {
        for (int i = 1; i <= dialogs::kLogoFrames; ++i)
            if (Logo(window)->Picture() == dialogs::LogoPicture(i)) return i;
        return 0;
    }
};

TEST_F(AboutWindowTest, LogoFramesAreFourDifferentPictures) {
    for (int i = 1; i <= dialogs::kLogoFrames; ++i) {
        const QImage frame = dialogs::LogoPicture(i);
        ASSERT_FALSE(frame.isNull()) << i;
        EXPECT_EQ(frame.size(), QSize(200, 100)) << i;
        for (int j = 1; j < i; ++j) EXPECT_NE(frame, dialogs::LogoPicture(j)) << i << " vs " << j;
    }
    EXPECT_TRUE(dialogs::LogoPicture(0).isNull());
    EXPECT_TRUE(dialogs::LogoPicture(5).isNull());
}

TEST_F(AboutWindowTest, AnimatesAsTheTimerTicks) {
    auto* window = ShowAbout();
    EXPECT_EQ(Timer1(window)->interval(), 700);
    EXPECT_TRUE(Timer1(window)->isActive());
    EXPECT_EQ(ShownFrame(window), 1);

    // At 700 ms frame 1 still, 1400 ms frame 2, ... 2800 ms frame 4, 3500 ms frame 1.
    const int expected[] = {1, 2, 3, 4, 1, 2, 3, 4, 1};
    for (int shown : expected) {
        Tick(window);
        EXPECT_EQ(ShownFrame(window), shown);
    }
}

TEST_F(AboutWindowTest, BringingForwardKeepsTheAnimationGoing) {
    auto* window = ShowAbout();
    Tick(window);
    Tick(window);
    EXPECT_EQ(ShowAbout(), window);
    EXPECT_EQ(ShownFrame(window), 2);
    Tick(window);
    EXPECT_EQ(ShownFrame(window), 3);
}

TEST_F(AboutWindowTest, EachOpeningStartsAtFrameOne) {
    auto* window = ShowAbout();
    Tick(window);
    Tick(window);
    OK(window)->click();
    Settle();
    ASSERT_EQ(OpenAbout(), nullptr);
    window = ShowAbout();
    EXPECT_EQ(ShownFrame(window), 1);
    Tick(window);
    EXPECT_EQ(ShownFrame(window), 1);
}

TEST_F(AboutWindowTest, EnterEscAndOKCloseIt) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        auto* window = ShowAbout();
        Activate(window);
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key);
        Settle();
        EXPECT_EQ(OpenAbout(), nullptr) << key;
    }
    auto* window = ShowAbout();
    QTest::mouseClick(OK(window), Qt::LeftButton);
    Settle();
    EXPECT_EQ(OpenAbout(), nullptr);
}

TEST_F(AboutWindowTest, MailLinkOpensANewMessageToTheAuthor) {
    auto* window = ShowAbout();
    QLabel* link = MailLabel(window);
    EXPECT_EQ(link->text(), QString::fromUtf8("E-mail:" PERNOKA_MAIL));
    EXPECT_EQ(link->toolTip(), "作者へメールを送信します。");
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(link->font().underline());
    EXPECT_TRUE(ShellCalls().empty());

    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(ShellCalls().size(), 1u);
    EXPECT_EQ(ShellCalls()[0], ShellCall("url", "mailto:" PERNOKA_MAIL));

    // A press that ends outside the link is no click.
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(ShellCalls().size(), 1u);
}

TEST_F(AboutWindowTest, MailLinkWithoutAMailProgramTellsTheAddress) {
    auto* window = ShowAbout();
    services.UrlsOpen(false);
    services.ExpectBoxes();
    QTest::mouseClick(MailLabel(window), Qt::LeftButton);
    ASSERT_EQ(services.Shown().size(), 1u);
    EXPECT_EQ(services.Shown()[0].prompt, "メールソフトを開けませんでした。次のアドレスへお送り下さい。\n" PERNOKA_MAIL);
    EXPECT_EQ(services.Shown()[0].title, "エラー");
}

TEST_F(AboutWindowTest, DesignedInLightGreyWithTheGothicFont) {
    auto* window = ShowAbout();
    EXPECT_EQ(window->size(), QSize(194, 186));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), "ペルノカ Ver.0.2");
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(window->grab().toImage().pixelColor(1, 1), QColor(192, 192, 192));
    // "ＭＳ ゴシック" resolves to the installed Japanese gothic, for every label.
    for (QLabel* label : window->findChildren<QLabel*>()) {
        EXPECT_EQ(label->font().pointSize(), 9) << label->text().toStdString();
        EXPECT_EQ(QFontInfo(label->font()).family(), platform::JapaneseGothicFamily()) << label->text().toStdString();
    }
    EXPECT_EQ(OK(window)->geometry(), QRect(60, 156, 73, 25));
    EXPECT_TRUE(OK(window)->isDefault());
    // The logo sits in the frame, at (60 + 120, 60 + 180) twips.
    EXPECT_EQ(Logo(window)->mapTo(window, QPoint(0, 0)), QPoint(12, 16));
    EXPECT_EQ(Logo(window)->size(), QSize(169, 65));
}

}  // namespace
}  // namespace dialogs_test
