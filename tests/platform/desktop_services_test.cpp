// Whether a mail program takes the mail link's address, asked of an
// xdg-mime of the test's own on the PATH: Qt would report success wherever
// xdg-open merely starts.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/desktop_services.h"

namespace {

class MailProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = qgetenv("PATH");
        qputenv("PATH", (bin_.path() + ":" + path_).toLocal8Bit());
    }
    void TearDown() override { qputenv("PATH", path_); }
    void XdgMime(const QString& body) {
        QFile file(bin_.filePath("xdg-mime"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(("#!/bin/sh\n[ \"$*\" = 'query default x-scheme-handler/mailto' ] || exit 2\n" + body + "\n").toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir bin_;
    QByteArray path_;
};

TEST_F(MailProgramTest, IsSetUpOnlyWhereTheDesktopNamesOne) {
    XdgMime("echo");
    EXPECT_FALSE(platform::MailProgramSetUp());
    XdgMime("echo mail.desktop");
    EXPECT_TRUE(platform::MailProgramSetUp());
}

TEST_F(MailProgramTest, IsLeftToTheHandlerWhereNobodyCanTell) {
    XdgMime("exit 4");  // killed, or a broken install: no answer, not "none"
    EXPECT_TRUE(platform::MailProgramSetUp());
}

}  // namespace
