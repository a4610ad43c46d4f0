// The help file and the help viewer.
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStringDecoder>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "dialogs_fixture.h"

namespace dialogs_test {
namespace {

const std::string kSource = PERNOKA_SOURCE_DIR;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class HelpTest : public DialogsTest {
protected:
    platform::HelpViewer help;
};

TEST_F(HelpTest, ViewerShowsTheHelpFileAsJapaneseHtml) {
    ASSERT_TRUE(help.Show(kSource + "/data/Tez.hlp"));
    QWidget* viewer = testsupport::OpenWindowNamed("helpViewer");
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->isModal());
    EXPECT_EQ(viewer->windowTitle(), "ペルノカ ヘルプ");
    const QString text = testsupport::Part<QTextBrowser>(viewer, "helpBrowser")->toPlainText();
    // Read as HTML: no markup on show, and the Japanese text decoded.
    EXPECT_FALSE(text.contains("<h2>"));
    for (const char* topic : {"遊び方", "手数の制限とシャッフル", "キーボードで遊ぶ", "メニュー", "オプション",
                              "音楽と効果音", "矢印キー", "ドラッグ＆ドロップ", "コマンドライン"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;

    // Asking again reuses the one viewer.
    ASSERT_TRUE(help.Show(kSource + "/data/Tez.hlp"));
    EXPECT_EQ(testsupport::OpenWindowNamed("helpViewer"), viewer);

    // Esc closes it, wherever the focus is in it.
    Activate(viewer);
    QTest::keyClick(testsupport::Part<QTextBrowser>(viewer, "helpBrowser"), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(testsupport::OpenWindowNamed("helpViewer"), nullptr);
}

// Run a second time at QT_SCALE_FACTOR=2, where the offscreen screen is 400
// × 400 logical pixels and the viewer must shrink to it.
TEST_F(HelpTest, ViewerIsCentredAndNeverLargerThanTheScreen) {
    ASSERT_TRUE(help.Show(kSource + "/data/Tez.hlp"));
    QWidget* viewer = testsupport::OpenWindowNamed("helpViewer");
    ASSERT_NE(viewer, nullptr);
    const QRect area = viewer->screen()->availableGeometry();
    const QRect frame = viewer->frameGeometry();
    EXPECT_TRUE(area.contains(frame)) << area.width() << "x" << area.height();
    EXPECT_LE((frame.center() - area.center()).manhattanLength(), 2);
    // As large as it would be, where there is room; as high as the screen where not.
    EXPECT_EQ(viewer->width(), std::min(520, area.width() - (frame.width() - viewer->width())));
    if (area.height() >= 600 + frame.height() - viewer->height()) {
        EXPECT_EQ(viewer->height(), 600);
    } else {
        EXPECT_EQ(frame.height(), area.height());
    }
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
        EXPECT_EQ(area.size(), QSize(400, 400));
    }
}

TEST_F(HelpTest, MissingHelpFileShowsNothing) {
    EXPECT_FALSE(help.Show(kSource + "/data/no-such-help.hlp"));
    EXPECT_FALSE(help.Show(kSource + "/data"));  // a folder is no file
    EXPECT_EQ(testsupport::OpenWindowNamed("helpViewer"), nullptr);
}

TEST_F(HelpTest, CommittedHelpFileIsTheGeneratorsOutput) {
    const std::string hlp = ReadText(kSource + "/data/Tez.hlp");
    ASSERT_FALSE(hlp.empty());
    EXPECT_EQ(hlp, ReadText(kSource + "/tools/help_gen/tez_help.html"));
    auto decode = QStringDecoder(QStringDecoder::Utf8);
    const QString decoded = decode(QByteArray::fromStdString(hlp));
    EXPECT_FALSE(decode.hasError());
    EXPECT_TRUE(decoded.contains(QStringLiteral("charset=\"utf-8\"")));
}

TEST_F(HelpTest, EveryContentsLinkLeadsToASection) {
    const QString html = QString::fromStdString(ReadText(kSource + "/data/Tez.hlp"));
    int links = 0;
    for (auto match = QRegularExpression(R"re(href="#(\w+)")re").globalMatch(html); match.hasNext();) {
        const QString anchor = match.next().captured(1);
        ++links;
        EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(anchor))) << anchor.toStdString();
    }
    EXPECT_GE(links, 5);
}

}  // namespace
}  // namespace dialogs_test
