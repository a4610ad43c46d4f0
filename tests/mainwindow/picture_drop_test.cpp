// Dropping a picture file on the main window: what the drag is allowed to
// carry, and that the drop is the choice "画像選択" would make.
#include "mainwindow/picture_drop.h"

#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdio>

#include "form_fixture.h"
#include "platform/picture_fixtures.h"

namespace mainwindow_test {
namespace {

class PictureDrop : public FormTest {
protected:
    PictureDrop() {
        picturePath = folder.filePath("夏 の 写真.bmp");
        EXPECT_TRUE(testsupport::WriteBytes(
            picturePath, testsupport::Encode(testsupport::TwoColour(40, 30, Qt::red, Qt::blue), "BMP")));
        form.show();
    }

    static std::unique_ptr<QMimeData> Files(const QList<QUrl>& urls) {
        auto data = std::make_unique<QMimeData>();
        data->setUrls(urls);
        return data;
    }
    std::unique_ptr<QMimeData> Picture() const { return Files({QUrl::fromLocalFile(picturePath)}); }

    // The drag entering and moving over the board; the action it was taken
    // with, or IgnoreAction when it was refused.
    Qt::DropAction Drag(const QMimeData& data, Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction) {
        const QPointF over = form.centralWidget()->geometry().center();
        QDragEnterEvent enter(over.toPoint(), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &enter);
        QDragMoveEvent move(over.toPoint() + QPoint(5, 5), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &move);
        EXPECT_EQ(enter.isAccepted(), move.isAccepted());
        if (!move.isAccepted()) return Qt::IgnoreAction;
        EXPECT_EQ(enter.dropAction(), move.dropAction());
        return move.dropAction();
    }

    // The drop after its drag, and then whatever it queued. Qt delivers a
    // drop only where the drag was taken.
    bool Drop(const QMimeData& data, Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction) {
        Drag(data, offered);
        QDropEvent drop(form.centralWidget()->geometry().center(), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &drop);
        QCoreApplication::sendPostedEvents();
        return drop.isAccepted();
    }

    QTemporaryDir folder;
    QString picturePath;
};

TEST_F(PictureDrop, OneLocalFileIsTakenAsACopy) {
    EXPECT_TRUE(form.acceptDrops());
    EXPECT_EQ(Drag(*Picture()), Qt::CopyAction);
    EXPECT_EQ(Drag(*Picture(), Qt::LinkAction), Qt::LinkAction);  // a source that offers no copy
    EXPECT_EQ(mainwindow::DroppedPictureFile(Picture().get()), QFile::encodeName(picturePath).toStdString());
}

TEST_F(PictureDrop, AFileNameThatIsNotUtf8IsTheAddressesOwnBytes) {
    const std::string bytes = QFile::encodeName(folder.path()).toStdString() + "/\xff\xfe\x81.bmp";
    ASSERT_EQ(std::rename(QFile::encodeName(picturePath).constData(), bytes.c_str()), 0);
    QMimeData data;
    data.setData(QStringLiteral("text/uri-list"),
                 "file://" + QFile::encodeName(folder.path()).toPercentEncoding("/") + "/%FF%FE%81.bmp\r\n");
    EXPECT_EQ(mainwindow::DroppedPictureFile(&data), bytes);
    EXPECT_TRUE(Drop(data));
    EXPECT_EQ(state().PictureLoaded, 1);
    EXPECT_EQ(state().PicturePath, bytes);
}

TEST_F(PictureDrop, AnythingElseIsRefused) {
    const QUrl file = QUrl::fromLocalFile(picturePath);
    EXPECT_EQ(Drag(*Files({file, QUrl::fromLocalFile(folder.filePath("other.jpg"))})), Qt::IgnoreAction);
    EXPECT_EQ(Drag(*Files({QUrl(QStringLiteral("https://example.jp/picture.jpg"))})), Qt::IgnoreAction);
    EXPECT_EQ(Drag(*Files({QUrl::fromLocalFile(folder.path())})), Qt::IgnoreAction);  // a folder
    EXPECT_EQ(Drag(*Files({})), Qt::IgnoreAction);
    QMimeData text;
    text.setText(picturePath);
    EXPECT_EQ(Drag(text), Qt::IgnoreAction);
    // Only a move on offer: the source would delete its file after the drop.
    EXPECT_EQ(Drag(*Picture(), Qt::MoveAction), Qt::IgnoreAction);

    EXPECT_FALSE(Drop(*Files({QUrl(QStringLiteral("https://example.jp/picture.jpg"))})));
    EXPECT_FALSE(Drop(*Picture(), Qt::MoveAction));
    EXPECT_EQ(state().PictureLoaded, 0);
    EXPECT_TRUE(state().PicturePath.empty());
}

TEST_F(PictureDrop, ADroppedPictureIsChosenAndStartsTheNextGame) {
    ASSERT_TRUE(Drop(*Picture()));
    EXPECT_EQ(state().PicturePath, QFile::encodeName(picturePath).toStdString());
    EXPECT_EQ(state().PictureLoaded, 1);
    EXPECT_EQ(form.Pictures().Picture1().size(), QSize(40, 30));
    EXPECT_TRUE(services.Shown().empty());

    form.Game().m1a_Click(0);
    EXPECT_EQ(board().DivCount, 3);
    ASSERT_NE(Tile(1), nullptr);
    EXPECT_EQ(Tile(1)->Piece().pixelColor(2, 2), QColor(Qt::red));
}

TEST_F(PictureDrop, DuringAGameTheDropIsRefusedAsTheMenuRefuses) {
    services.ExpectBoxes();
    Start(0, false);
    const QImage playing = form.Pictures().Picture1();
    EXPECT_EQ(Drag(*Picture()), Qt::CopyAction);  // taken, to be answered
    ASSERT_TRUE(Drop(*Picture()));
    ASSERT_EQ(services.Shown().size(), 1u);
    EXPECT_EQ(services.Shown()[0].prompt, "ゲームが開始されていますので選択できません。");
    EXPECT_EQ(services.Shown()[0].title, "エラー");
    EXPECT_EQ(services.Shown()[0].buttons, platform::MsgButtons::Ok);
    EXPECT_TRUE(state().PicturePath.empty());
    EXPECT_EQ(form.Pictures().Picture1(), playing);
    EXPECT_EQ(board().DivCount, 3);
}

TEST_F(PictureDrop, AFileThatDoesNotLoadEndsAsInTheDialog) {
    ASSERT_TRUE(Drop(*Picture()));
    const QString broken = folder.filePath("broken.jpg");
    ASSERT_TRUE(testsupport::WriteBytes(broken, "\xFF\xD8 not really a photo"));
    services.ExpectBoxes();
    ASSERT_TRUE(Drop(*Files({QUrl::fromLocalFile(broken)})));
    EXPECT_EQ(state().PicturePath, QFile::encodeName(broken).toStdString());
    EXPECT_EQ(state().PictureLoaded, 1);  // the earlier picture is still the one
    EXPECT_EQ(form.Pictures().Picture1().size(), QSize(40, 30));
    ASSERT_EQ(services.Shown().size(), 1u);
    EXPECT_EQ(services.Shown().front().prompt, "画像を読み込めませんでした。");
}

}  // namespace
}  // namespace mainwindow_test
