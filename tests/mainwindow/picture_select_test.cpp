#include "mainwindow/picture_select.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "engine/game.h"
#include "mainwindow/board_size.h"
#include "platform/picture_fixtures.h"
#include "support/fake_board.h"
#include "support/fake_services.h"

namespace {

using testsupport::Encode;
using testsupport::Near;
using testsupport::TwoColour;

const QColor kOldColour(200, 200, 0);

// A picture already chosen, so that what a command keeps can be told from
// what it replaces.
class PictureSelect : public testing::Test {
protected:
    PictureSelect() {
        game_.Load(folder_.path().toStdString() + "/");
        select_.Take(TwoColour(10, 10, kOldColour, kOldColour), "/earlier/choice.jpg");
    }
    // A file chosen in the dialog makes its folder the current one.
    ~PictureSelect() override { QDir::setCurrent(startFolder_); }
    QString Put(const QString& name, const QImage& image, const char* format = "JPEG") {
        const QString path = folder_.filePath(name);
        EXPECT_TRUE(testsupport::WriteBytes(path, Encode(image, format)));
        return path;
    }
    void ExpectPictureKept() {
        EXPECT_EQ(picture1_.size(), QSize(10, 10));
        EXPECT_EQ(picture1_.pixelColor(5, 5), kOldColour);
        EXPECT_EQ(state_.PictureLoaded, 1);
    }

    const QString startFolder_ = QDir::currentPath();
    QTemporaryDir folder_;
    testsupport::FakeWindow window_;
    testsupport::FakeSound sound_;
    testsupport::ScriptedRandom random_;
    testsupport::FakeServices services_;
    engine::Game game_{window_, sound_, random_};
    const engine::GameState& state_ = game_.State();
    const engine::Globals& globals_ = game_.Shared();
    mainwindow::PictureSelect select_{game_, services_};
    const QImage& picture1_ = select_.Picture1();
};

TEST_F(PictureSelect, AllThreeCommandsRefuseWhileAGameIsOn) {
    game_.m1a_Click(1);
    ASSERT_TRUE(game_.IsOn());
    Put("pantira.jpg", TwoColour(40, 40, Qt::red, Qt::red));
    Put("nemaki.jpg", TwoColour(40, 40, Qt::blue, Qt::blue));
    services_.Choose(folder_.filePath("pantira.jpg"));
    services_.ExpectBoxes();

    select_.ChooseInDialog(nullptr);
    select_.ChooseBuiltIn("pantira.jpg");
    select_.ChooseBuiltIn("nemaki.jpg");

    ASSERT_EQ(services_.Shown().size(), 3u);
    for (const auto& box : services_.Shown()) {
        EXPECT_EQ(box.prompt, "ゲームが開始されていますので選択できません。");
        EXPECT_EQ(box.buttons, platform::MsgButtons::Ok);
        EXPECT_EQ(box.title, "エラー");
    }
    EXPECT_TRUE(services_.SeenDialogs().empty());
    EXPECT_EQ(state_.PicturePath, "/earlier/choice.jpg");
    EXPECT_TRUE(game_.IsOn());
    ExpectPictureKept();
}

TEST_F(PictureSelect, TheDialogOpensInTheCurrentFolderThenWhereTheLastPictureCameFrom) {
    ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    ASSERT_TRUE(QDir(folder_.path()).mkdir("photos"));
    ASSERT_TRUE(QDir(folder_.path()).mkdir("dropped"));
    services_.Choose(Put("photos/chosen.bmp", TwoColour(40, 30, Qt::red, Qt::blue), "BMP"));
    select_.ChooseInDialog(nullptr);
    services_.Choose({});
    select_.ChooseInDialog(nullptr);
    // A picture dropped or named at start counts as much as one picked; a
    // file that does not load leaves the folder as it was.
    select_.ChooseFile(Put("dropped/d.bmp", TwoColour(40, 30, Qt::red, Qt::blue), "BMP").toStdString());
    services_.ExpectBoxes();
    select_.ChooseFile(folder_.filePath("photos/missing.bmp").toStdString());
    select_.ChooseInDialog(nullptr);

    ASSERT_EQ(services_.SeenDialogs().size(), 3u);
    const auto& seen = services_.SeenDialogs().front();
    EXPECT_EQ(seen.title, "画像ファイルの選択");
    EXPECT_EQ(seen.shownTypes,
              QStringList({"ﾋﾞｯﾄﾏｯﾌﾟ(*.bmp)", "JPEGｲﾒｰｼﾞ(*.jpg)", "GIFｲﾒｰｼﾞ(*.gif)", "PNGｲﾒｰｼﾞ(*.png)"}));
    EXPECT_EQ(seen.preselectedType, 0);
    EXPECT_EQ(seen.directory, QDir(folder_.path()).absolutePath());
    EXPECT_EQ(seen.fileMode, QFileDialog::ExistingFile);
    EXPECT_EQ(services_.SeenDialogs()[1].directory, QDir(folder_.filePath("photos")).absolutePath());
    EXPECT_EQ(services_.SeenDialogs().back().directory, QDir(folder_.filePath("dropped")).absolutePath());
}

TEST_F(PictureSelect, ARelativeNameIsToldAsUnusableWhateverTheCurrentFolderHolds) {
    ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    Put("nemaki.jpg", TwoColour(40, 40, Qt::blue, Qt::blue));
    services_.ExpectBoxes();
    select_.ChooseFile("nemaki.jpg");
    ASSERT_EQ(services_.Shown().size(), 1u);
    EXPECT_EQ(services_.Shown()[0].prompt, "画像を読み込めませんでした。");
    EXPECT_EQ(state_.PicturePath, "nemaki.jpg");
    ExpectPictureKept();
}

TEST_F(PictureSelect, ChoosingAFileLoadsIt) {
    const QString path = Put("chosen.bmp", TwoColour(40, 30, Qt::red, Qt::blue), "BMP");
    game_.m1b_Click();  // a reset asks for a picture again
    ASSERT_EQ(state_.PictureLoaded, 0);
    services_.Choose(path);
    select_.ChooseInDialog(nullptr);
    EXPECT_EQ(state_.PicturePath, path.toStdString());
    EXPECT_EQ(state_.PictureLoaded, 1);
    EXPECT_EQ(picture1_.size(), QSize(40, 30));
    EXPECT_EQ(picture1_.pixelColor(35, 15), QColor(Qt::blue));
    EXPECT_TRUE(services_.Shown().empty());
}

TEST_F(PictureSelect, ChoosingAFileInAFolderWithSpacesAndJapanese) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("夏休み の 写真"));
    const QString path = folder_.filePath("夏休み の 写真/せんたく もの.gif");
    ASSERT_TRUE(
        testsupport::WriteBytes(path, testsupport::Gif(4, 4, {qRgb(0, 0, 255)}, {std::vector<uint8_t>(16, 0)})));
    services_.Choose(path);
    select_.ChooseInDialog(nullptr);
    EXPECT_EQ(state_.PicturePath, path.toStdString());
    EXPECT_EQ(picture1_.size(), QSize(4, 4));
    EXPECT_EQ(picture1_.pixelColor(1, 1), QColor(Qt::blue));
}

TEST_F(PictureSelect, CancellingKeepsThePictureAlreadyChosen) {
    services_.Choose({});
    select_.ChooseInDialog(nullptr);
    EXPECT_EQ(services_.SeenDialogs().size(), 1u);
    EXPECT_EQ(services_.BusyShown(), 0);
    EXPECT_EQ(state_.PicturePath, "/earlier/choice.jpg");
    ExpectPictureKept();
    EXPECT_TRUE(services_.Shown().empty());
}

TEST_F(PictureSelect, AnUnreadableChosenFileIsToldWithItsPathKept) {
    const QString path = folder_.filePath("holiday.jpg");
    ASSERT_TRUE(testsupport::WriteBytes(path, "\xFF\xD8 not really a photo"));
    services_.Choose(path);
    services_.ExpectBoxes();
    select_.ChooseInDialog(nullptr);
    EXPECT_EQ(state_.PicturePath, path.toStdString());
    ExpectPictureKept();
    ASSERT_EQ(services_.Shown().size(), 1u);
    EXPECT_EQ(services_.Shown().front().prompt, "画像を読み込めませんでした。");
    EXPECT_EQ(services_.Shown().front().title, "エラー");
}

// The file is there only while the wait cursor shows: it loads only if the
// loader reads it then.
class UnderTheWaitCursor : public PictureSelect {
protected:
    void OfferWhileBusy(const QString& name, const QByteArray& bytes) {
        services_.OnBusy([this, name, bytes](bool busy) {
            const QString path = folder_.filePath(name);
            if (busy) {
                EXPECT_TRUE(testsupport::WriteBytes(path, bytes));
            } else {
                EXPECT_TRUE(QFile::remove(path));
            }
        });
    }
};

TEST_F(UnderTheWaitCursor, AChosenPictureLoadsAfterTheDialogHasGone) {
    OfferWhileBusy("chosen.bmp", Encode(TwoColour(40, 30, Qt::red, Qt::blue), "BMP"));
    services_.Choose(folder_.filePath("chosen.bmp"));
    select_.ChooseInDialog(nullptr);
    ASSERT_EQ(services_.SeenDialogs().size(), 1u);
    EXPECT_FALSE(services_.SeenDialogs().front().busy);
    EXPECT_EQ(services_.BusyShown(), 1);
    EXPECT_FALSE(services_.Busy());
    EXPECT_EQ(picture1_.size(), QSize(40, 30));
}

TEST_F(UnderTheWaitCursor, ABuiltInPictureLoadsAndItsFailureIsToldAfterwards) {
    OfferWhileBusy("pantira.jpg", Encode(TwoColour(40, 40, Qt::red, Qt::red), "JPEG"));
    select_.ChooseBuiltIn("pantira.jpg");
    EXPECT_EQ(services_.BusyShown(), 1);
    EXPECT_EQ(picture1_.size(), QSize(40, 40));

    OfferWhileBusy("nemaki.jpg", "not a picture");
    services_.ExpectBoxes();
    select_.ChooseBuiltIn("nemaki.jpg");
    EXPECT_EQ(services_.BusyShown(), 2);
    ASSERT_EQ(services_.Shown().size(), 1u);
    EXPECT_EQ(services_.Shown().front().prompt, "画像を読み込めませんでした。");
    EXPECT_FALSE(services_.Shown().front().busy);
    EXPECT_FALSE(services_.Busy());
}

// A file chosen another way (dropped, or named at start) ends exactly as
// the same file chosen in the dialog.
TEST_F(PictureSelect, AFileChosenWithoutTheDialogEndsAsInTheDialog) {
    const QString good = Put("chosen.bmp", TwoColour(40, 30, Qt::red, Qt::blue), "BMP");
    const QString bad = folder_.filePath("holiday.jpg");
    ASSERT_TRUE(testsupport::WriteBytes(bad, "\xFF\xD8 not really a photo"));
    services_.ExpectBoxes();
    for (const QString& path : {bad, good}) {
        SCOPED_TRACE(path.toStdString());
        testsupport::FakeWindow window;
        testsupport::FakeSound sound;
        testsupport::ScriptedRandom random;
        engine::Game viaDialog(window, sound, random);
        mainwindow::PictureSelect dialogSelect(viaDialog, services_);
        dialogSelect.Take(picture1_, state_.PicturePath);
        services_.Choose(path);
        dialogSelect.ChooseInDialog(nullptr);

        select_.ChooseFile(path.toStdString());
        EXPECT_EQ(state_.PicturePath, viaDialog.State().PicturePath);
        EXPECT_EQ(state_.PictureLoaded, viaDialog.State().PictureLoaded);
        EXPECT_EQ(picture1_, dialogSelect.Picture1());
    }
    EXPECT_EQ(picture1_.size(), QSize(40, 30));
    // The bad file told each way, the good one not at all.
    ASSERT_EQ(services_.Shown().size(), 2u);
    for (const auto& box : services_.Shown()) EXPECT_EQ(box.prompt, "画像を読み込めませんでした。");
}

TEST_F(PictureSelect, AFileChosenWithoutTheDialogIsRefusedDuringAGame) {
    game_.m1a_Click(0);
    services_.ExpectBoxes();
    select_.ChooseFile(Put("chosen.jpg", TwoColour(20, 20, Qt::red, Qt::red)).toStdString());
    ASSERT_EQ(services_.Shown().size(), 1u);
    EXPECT_EQ(services_.Shown()[0].prompt, "ゲームが開始されていますので選択できません。");
    EXPECT_EQ(services_.Shown()[0].title, "エラー");
    EXPECT_EQ(state_.PicturePath, "/earlier/choice.jpg");
    ExpectPictureKept();
}

TEST_F(PictureSelect, NemakiAfterPantiraReplacesThePicture) {
    Put("pantira.jpg", TwoColour(40, 40, Qt::red, Qt::red));
    Put("nemaki.jpg", TwoColour(30, 20, Qt::blue, Qt::blue));

    select_.ChooseBuiltIn("pantira.jpg");
    EXPECT_EQ(state_.PicturePath, globals_.AppDir + "pantira.jpg");
    EXPECT_TRUE(Near(picture1_.pixelColor(5, 5), Qt::red));

    select_.ChooseBuiltIn("nemaki.jpg");
    EXPECT_EQ(state_.PicturePath, globals_.AppDir + "nemaki.jpg");
    EXPECT_EQ(state_.PictureLoaded, 1);
    EXPECT_EQ(picture1_.size(), QSize(30, 20));
    EXPECT_TRUE(Near(picture1_.pixelColor(5, 5), Qt::blue));
    EXPECT_TRUE(services_.Shown().empty());
}

TEST_F(PictureSelect, TheSameItemTwiceReadsTheFileAgain) {
    Put("nemaki.jpg", TwoColour(20, 20, Qt::blue, Qt::blue));
    select_.ChooseBuiltIn("nemaki.jpg");
    Put("nemaki.jpg", TwoColour(20, 20, Qt::green, Qt::green));
    select_.ChooseBuiltIn("nemaki.jpg");
    EXPECT_TRUE(Near(picture1_.pixelColor(5, 5), Qt::green));
}

class BuiltInPictureFails : public PictureSelect, public testing::WithParamInterface<bool> {};

TEST_P(BuiltInPictureFails, SaysSoAndOnlyThePathChanges) {
    services_.ExpectBoxes();
    const bool nemaki = GetParam();
    const std::string name = nemaki ? "nemaki.jpg" : "pantira.jpg";
    ASSERT_TRUE(testsupport::WriteBytes(folder_.filePath("damaged.jpg"), "garbage"));
    for (const bool present : {false, true}) {
        SCOPED_TRACE(present ? "unreadable" : "missing");
        if (present) {
            ASSERT_TRUE(QFile::copy(folder_.filePath("damaged.jpg"), folder_.filePath(QString::fromStdString(name))));
        }
        select_.ChooseBuiltIn(name.c_str());
        EXPECT_EQ(state_.PicturePath, globals_.AppDir + name);
        ExpectPictureKept();
    }
    ASSERT_EQ(services_.Shown().size(), 2u);
    for (const auto& box : services_.Shown()) {
        EXPECT_EQ(box.prompt, "画像を読み込めませんでした。");
        EXPECT_EQ(box.buttons, platform::MsgButtons::Ok);
        EXPECT_EQ(box.title, "エラー");
    }
}

INSTANTIATE_TEST_SUITE_P(PictureSelect, BuiltInPictureFails, testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Nemaki" : "Pantira"); });

TEST_F(PictureSelect, TheShippedPicturesLoadFromTheProgramsFolder) {
    game_.Load(PERNOKA_APP_DIR "/");
    for (const char* name : {"pantira.jpg", "nemaki.jpg"}) {
        ASSERT_EQ(state_.PictureLoaded, 0);
        select_.ChooseBuiltIn(name);
        EXPECT_EQ(state_.PictureLoaded, 1) << state_.PicturePath;
        EXPECT_GE(picture1_.width(), 2 * mainwindow::kBoardSize.width());
        EXPECT_GE(picture1_.height(), 2 * mainwindow::kBoardSize.height());
        game_.m1b_Click();
    }
    EXPECT_TRUE(services_.Shown().empty());
}

}  // namespace
