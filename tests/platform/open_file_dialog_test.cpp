#include "platform/open_file_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QDir>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "support/fake_services.h"

namespace {

using namespace std::string_literals;

const std::string kFilter = "Bitmaps(*.bmp)\0*.bmp\0Photos(*.jpg)\0*.jpg\0Text\0*.txt;*.TEXT\0\0"s;

class OpenFileDlg : public testing::Test {
protected:
    std::string Ask(const std::string& filter = kFilter, const std::string& folder = QDir::tempPath().toStdString()) {
        return platform::OpenFileDlg(services, nullptr, filter, folder, "Pick one");
    }
    // What the user would see listed in the folder with a given type chosen.
    QStringList ListedWith(const QString& folder, int type);

    testsupport::FakeServices services;
};

bool Touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

TEST_F(OpenFileDlg, SetsUpAnOpenDialogForOneExistingFile) {
    QTemporaryDir folder;
    services.Choose({});
    EXPECT_EQ(Ask(kFilter, folder.path().toStdString()), "");
    ASSERT_EQ(services.SeenDialogs().size(), 1u);
    const auto& seen = services.SeenDialogs().front();
    EXPECT_EQ(seen.title, "Pick one");
    EXPECT_EQ(seen.directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(seen.fileMode, QFileDialog::ExistingFile);
    EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptOpen);
}

TEST_F(OpenFileDlg, ShowsTheTypesInOrderWithTheirDescriptionsAndTheFirstPreselected) {
    services.Choose({});
    Ask();
    const auto& seen = services.SeenDialogs().front();
    EXPECT_EQ(seen.shownTypes, QStringList({"Bitmaps(*.bmp)", "Photos(*.jpg)", "Text"}));
    EXPECT_EQ(seen.preselectedType, 0);
}

TEST_F(OpenFileDlg, ToleratesBrokenFilterLists) {
    services.Choose({});
    Ask("Bitmaps\0*.bmp\0Dangling\0"s);  // a description without its pattern
    Ask("Bitmaps\0*.bmp"s);              // the closing NULs missing
    Ask(""s);                            // no types at all
    Ask("A\0*.a\0\0B\0*.b\0\0"s);        // anything after the closing NUL
    ASSERT_EQ(services.SeenDialogs().size(), 4u);
    EXPECT_EQ(services.SeenDialogs()[0].shownTypes, QStringList({"Bitmaps"}));
    EXPECT_EQ(services.SeenDialogs()[1].shownTypes, QStringList({"Bitmaps"}));
    EXPECT_EQ(services.SeenDialogs()[3].shownTypes, QStringList({"A"}));
}

// Qt's own dialog ignores case by itself, the desktops' dialogs do not: the
// patterns must also list the files when compared with case.
QStringList OpenFileDlg::ListedWith(const QString& folder, int type) {
    QStringList listed;
    services.Inspect([&](QFileDialog& live) {
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

TEST_F(OpenFileDlg, PatternsIgnoreLetterCaseAndJpgAlsoTakesJpeg) {
    QTemporaryDir folder;
    for (const char* name : {"PHOTO.JPG", "b.jpeg", "c.Jpg", "d.bmp", "E.BMP", "f.png", "g.txt", "H.TEXT"})
        ASSERT_TRUE(Touch(folder.filePath(name)));
    services.Choose({});
    EXPECT_EQ(ListedWith(folder.path(), 0), QStringList({"E.BMP", "d.bmp"}));
    EXPECT_EQ(ListedWith(folder.path(), 1), QStringList({"PHOTO.JPG", "b.jpeg", "c.Jpg"}));
    EXPECT_EQ(ListedWith(folder.path(), 2), QStringList({"H.TEXT", "g.txt"}));
}

TEST_F(OpenFileDlg, DatesAreWrittenInJapaneseWhateverTheSystemsLanguage) {
    QTemporaryDir folder;
    ASSERT_TRUE(Touch(folder.filePath("a.bmp")));
    QString date;
    services.Inspect([&](QFileDialog& live) {
        const QAbstractItemModel* shown = live.findChild<QAbstractItemView*>("treeView")->model();
        const QModelIndex parent = live.findChild<QAbstractItemView*>("treeView")->rootIndex();
        (void)QTest::qWaitFor([&] { return shown->rowCount(parent) == 1; }, 10000);
        date = shown->index(0, 3, parent).data().toString();
    });
    services.Choose({});
    Ask(kFilter, folder.path().toStdString());
    // The tests run in the C locale, whose dates read "8 Dec 2026 23:24:51".
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}/\\d{2}/\\d{2} \\d{1,2}:\\d{2}$")).match(date).hasMatch())
        << date.toStdString();
}

TEST_F(OpenFileDlg, ReturnsTheWholePathOfTheChosenFile) {
    QTemporaryDir folder;
    // Deeper than a fixed 256-character path buffer could hold.
    QString deep = folder.path();
    for (int i = 0; i < 8; ++i) deep += QStringLiteral("/写真 フォルダ %1 with a long name").arg(i);
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString file = deep + QStringLiteral("/ねこ の 画像 #1.jpg");
    ASSERT_TRUE(Touch(file));
    ASSERT_GT(file.toStdString().size(), 256u);

    services.Choose(file);
    EXPECT_EQ(Ask(kFilter, folder.path().toStdString()), file.toStdString());
}

TEST_F(OpenFileDlg, CancellingReturnsAnEmptyPath) {
    services.Choose({});
    EXPECT_EQ(Ask(), "");
    EXPECT_EQ(services.SeenDialogs().size(), 1u);
}

TEST_F(OpenFileDlg, DoesNotAcceptAFolderNamedLikeAPicture) {
    QTemporaryDir folder;
    const QString fake = folder.filePath("album.jpg");
    ASSERT_TRUE(QDir().mkdir(fake));
    const QString real = folder.filePath("photo.jpg");
    ASSERT_TRUE(Touch(real));
    services.Choose({});
    // What the Open button does with the name typed in.
    auto openWith = [&](const QString& name) {
        int result = -1;
        services.Inspect([&](QFileDialog& live) {
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
