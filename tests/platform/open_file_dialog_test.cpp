#include "platform/open_file_dialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "platform/scripted_file_dialog.h"

namespace {

using namespace std::string_literals;
using testsupport::ScriptedFileDialog;

const std::string kFilter = "Bitmaps(*.bmp)\0*.bmp\0Photos(*.jpg)\0*.jpg\0Text\0*.txt;*.TEXT\0\0"s;

std::string Ask(const std::string& filter = kFilter, const std::string& folder = QDir::tempPath().toStdString()) {
    return platform::OpenFileDlg(nullptr, filter, folder, "Pick one");
}

bool Touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

TEST(OpenFileDlg, SetsUpAnOpenDialogForOneExistingFile) {
    QTemporaryDir folder;
    ScriptedFileDialog dialog;
    EXPECT_EQ(Ask(kFilter, folder.path().toStdString()), "");
    ASSERT_EQ(dialog.Seen().size(), 1u);
    const auto& seen = dialog.Seen().front();
    EXPECT_EQ(seen.title, "Pick one");
    EXPECT_EQ(seen.directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(seen.fileMode, QFileDialog::ExistingFile);
    EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptOpen);
}

TEST(OpenFileDlg, ShowsTheTypesInOrderWithTheirDescriptionsAndTheFirstPreselected) {
    ScriptedFileDialog dialog;
    Ask();
    const auto& seen = dialog.Seen().front();
    EXPECT_EQ(seen.shownTypes, QStringList({"Bitmaps(*.bmp)", "Photos(*.jpg)", "Text"}));
    EXPECT_EQ(seen.preselectedType, 0);
}

TEST(OpenFileDlg, ToleratesBrokenFilterLists) {
    ScriptedFileDialog dialog;
    Ask("Bitmaps\0*.bmp\0Dangling\0"s);  // a description without its pattern
    Ask("Bitmaps\0*.bmp"s);              // the closing NULs missing
    Ask(""s);                            // no types at all
    Ask("A\0*.a\0\0B\0*.b\0\0"s);        // anything after the closing NUL
    ASSERT_EQ(dialog.Seen().size(), 4u);
    EXPECT_EQ(dialog.Seen()[0].shownTypes, QStringList({"Bitmaps"}));
    EXPECT_EQ(dialog.Seen()[1].shownTypes, QStringList({"Bitmaps"}));
    EXPECT_EQ(dialog.Seen()[3].shownTypes, QStringList({"A"}));
}

// What the user would see listed in the folder with a given type chosen.
// Qt's own dialog ignores case by itself, the desktops' dialogs do not: the
// patterns must also list the files when compared with case.
QStringList ListedWith(ScriptedFileDialog& dialog, const QString& folder, int type) {
    QStringList listed;
    dialog.Inspect([&](QFileDialog& live) {
        const QString filter = live.nameFilters().at(type);
        const QStringList patterns = filter.mid(filter.lastIndexOf(u'(') + 1).chopped(1).split(u' ');
        const QStringList withCase = QDir(folder).entryList(patterns, QDir::Files | QDir::CaseSensitive, QDir::Name);

        auto* model = live.findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        live.selectNameFilter(live.nameFilters().at(type));
        // The model reads the folder on a thread of its own and adds the rows
        // in batches after that: wait for them, or give up and compare.
        (void)QTest::qWaitFor([&] { return model->rowCount(model->index(folder)) == withCase.size(); }, 10000);
        const QModelIndex parent = model->index(folder);
        for (int row = 0; row < model->rowCount(parent); ++row)
            listed << model->index(row, 0, parent).data().toString();
        listed.sort();
        EXPECT_EQ(withCase, listed);
    });
    Ask(kFilter, folder.toStdString());
    return listed;
}

TEST(OpenFileDlg, PatternsIgnoreLetterCaseAndJpgAlsoTakesJpeg) {
    QTemporaryDir folder;
    for (const char* name : {"PHOTO.JPG", "b.jpeg", "c.Jpg", "d.bmp", "E.BMP", "f.png", "g.txt", "H.TEXT"})
        ASSERT_TRUE(Touch(folder.filePath(name)));
    ScriptedFileDialog dialog;
    EXPECT_EQ(ListedWith(dialog, folder.path(), 0), QStringList({"E.BMP", "d.bmp"}));
    EXPECT_EQ(ListedWith(dialog, folder.path(), 1), QStringList({"PHOTO.JPG", "b.jpeg", "c.Jpg"}));
    EXPECT_EQ(ListedWith(dialog, folder.path(), 2), QStringList({"H.TEXT", "g.txt"}));
}

TEST(OpenFileDlg, ReturnsTheWholePathOfTheChosenFile) {
    QTemporaryDir folder;
    // Deep enough to pass the 256 characters the original's buffer held.
    QString deep = folder.path();
    for (int i = 0; i < 8; ++i) deep += QStringLiteral("/写真 フォルダ %1 with a long name").arg(i);
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString file = deep + QStringLiteral("/ねこ の 画像 #1.jpg");
    ASSERT_TRUE(Touch(file));
    ASSERT_GT(file.toStdString().size(), 256u);

    ScriptedFileDialog dialog;
    dialog.Choose(file);
    EXPECT_EQ(Ask(kFilter, folder.path().toStdString()), file.toStdString());
}

TEST(OpenFileDlg, CancellingReturnsAnEmptyPath) {
    ScriptedFileDialog dialog;
    EXPECT_EQ(Ask(), "");
    EXPECT_EQ(dialog.Seen().size(), 1u);
}

TEST(OpenFileDlg, DoesNotAcceptAFolderNamedLikeAPicture) {
    QTemporaryDir folder;
    const QString fake = folder.filePath("album.jpg");
    ASSERT_TRUE(QDir().mkdir(fake));
    const QString real = folder.filePath("photo.jpg");
    ASSERT_TRUE(Touch(real));
    ScriptedFileDialog dialog;
    // What the Open button does with the name typed in.
    auto openWith = [&](const QString& name) {
        int result = -1;
        dialog.Inspect([&](QFileDialog& live) {
            live.selectFile(name);
            QMetaObject::invokeMethod(&live, "accept", Qt::DirectConnection);
            result = live.result();
        });
        Ask(kFilter, folder.path().toStdString());
        return result;
    };
    EXPECT_EQ(openWith(real), QDialog::Accepted);
    EXPECT_NE(openWith(fake), QDialog::Accepted);  // entered, not returned
}

}  // namespace
