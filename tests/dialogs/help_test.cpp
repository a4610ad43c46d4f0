// The help command, the help file and the help viewer; and neither help nor
// about touches a game in progress.
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTimer>
#include <fstream>
#include <iterator>

#include "dialogs_fixture.h"
#include "engine/game_state.h"

namespace dialogs_test {
namespace {

const std::string kSource = PERNOKA_SOURCE_DIR;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using HelpTest = DialogsTest;

TEST_F(HelpTest, HelpOpensTezHlpInTheProgramFolder) {
    dialogs::OpenHelp("/opt/pernoka/");
    ASSERT_EQ(shellCalls.size(), 1u);
    EXPECT_EQ(shellCalls[0], ShellCall("open", "/opt/pernoka/Tez.hlp"));
}

TEST_F(HelpTest, ViewerShowsTheHelpFileAsJapaneseHtml) {
    ASSERT_TRUE(platform::ShowHelpFile(kSource + "/data/Tez.hlp"));
    QWidget* viewer = platform::HelpViewerWindow();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->isModal());
    EXPECT_EQ(viewer->windowTitle(), "ペルノカ ヘルプ");
    const QString text = platform::HelpViewerBrowser()->toPlainText();
    // Read as HTML: no markup on show, and the Japanese text decoded.
    EXPECT_FALSE(text.contains("<h2>"));
    for (const char* topic : {"遊び方", "手数の制限とシャッフル", "メニュー", "オプション", "音楽と効果音"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;

    // Asking again reuses the one viewer.
    ASSERT_TRUE(platform::ShowHelpFile(kSource + "/data/Tez.hlp"));
    EXPECT_EQ(platform::HelpViewerWindow(), viewer);
}

TEST_F(HelpTest, MissingHelpFileShowsNothing) {
    EXPECT_FALSE(platform::ShowHelpFile(kSource + "/data/no-such-help.hlp"));
    EXPECT_FALSE(platform::ShowHelpFile(kSource + "/data"));  // a folder is no file
    EXPECT_EQ(platform::HelpViewerWindow(), nullptr);
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

TEST_F(HelpTest, HelpAndAboutDuringAGameLeaveItAlone) {
    engine::GameState state;
    state.DivCount = 3;
    state.ShuffleLimit = 15;
    state.MoveCount = 7;
    state.ShuffleCount = 1;
    state.Playing = 1;
    state.SpaceX = 1;
    state.SpaceY = 2;
    state.PosX[1] = 2;
    state.PosY[1] = 0;
    engine::Globals globals{"/opt/pernoka/", 20};
    const engine::GameState before = state;

    // Neither is refused: no message box (the test guard fails on any).
    dialogs::OpenHelp(globals.AppDir);
    auto* about = dialogs::ShowAboutWindow();
    for (int tick = 0; tick < 6; ++tick) QMetaObject::invokeMethod(about->Timer1(), "timeout", Qt::DirectConnection);
    about->cmdAbout()->click();
    Settle();

    EXPECT_EQ(shellCalls.size(), 1u);
    EXPECT_EQ(state.ShuffleLimit, before.ShuffleLimit);
    EXPECT_EQ(state.MoveCount, before.MoveCount);
    EXPECT_EQ(state.ShuffleCount, before.ShuffleCount);
    EXPECT_EQ(state.Playing, before.Playing);
    EXPECT_EQ(state.PosX, before.PosX);
    EXPECT_EQ(state.PosY, before.PosY);
    EXPECT_EQ(state.SpaceX, before.SpaceX);
    EXPECT_EQ(state.SpaceY, before.SpaceY);
    EXPECT_EQ(globals.ClickSu, 20);
    EXPECT_EQ(globals.AppDir, "/opt/pernoka/");
}

}  // namespace
}  // namespace dialogs_test
