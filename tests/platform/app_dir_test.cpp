#include "platform/app_dir.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <iostream>

TEST(AppDir, ExactlyOneSeparatorAtTheEnd) {
    EXPECT_EQ(platform::WithTrailingSeparator("/opt/pernoka"), "/opt/pernoka/");
    EXPECT_EQ(platform::WithTrailingSeparator("/opt/pernoka/"), "/opt/pernoka/");
    EXPECT_EQ(platform::WithTrailingSeparator("/"), "/");  // the root keeps its one
    EXPECT_EQ(platform::WithTrailingSeparator("/ゲーム 1"), "/ゲーム 1/");
}

// Run again through a link, this prints what the program folder is found to be.
TEST(AppDirProbe, PrintsTheProgramFolder) {
    if (!std::getenv("PERNOKA_PRINT_PROGRAM_FOLDER")) GTEST_SKIP() << "only run through a link by the test below";
    std::cout << "folder=" << platform::ProgramFolder() << "\n";
}

TEST(AppDir, ThroughASymlinkItIsTheRealFolder) {
    QTemporaryDir links;
    ASSERT_TRUE(links.isValid());
    const QString self = QCoreApplication::applicationFilePath();
    const QString link = links.filePath(QStringLiteral("linked program"));
    ASSERT_TRUE(QFile::link(self, link));

    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PERNOKA_PRINT_PROGRAM_FOLDER"), QStringLiteral("1"));
    probe.setProcessEnvironment(environment);
    probe.start(link, {QStringLiteral("--gtest_filter=AppDirProbe.*")});
    ASSERT_TRUE(probe.waitForFinished(60000));
    const QString output = QString::fromUtf8(probe.readAllStandardOutput());
    const QString expected = QFileInfo(self).canonicalPath() + QStringLiteral("/");
    EXPECT_TRUE(output.contains(QStringLiteral("folder=") + expected + QStringLiteral("\n")))
        << output.toStdString() << "\nexpected folder=" << expected.toStdString();
    EXPECT_NE(expected, links.path() + QStringLiteral("/"));
}
