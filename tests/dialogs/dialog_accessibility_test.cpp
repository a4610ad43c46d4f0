// The secondary windows as assistive tools see them: real dialogs, the
// options box named by its caption, the mail address a link.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/mail_link.h"
#include "dialogs_fixture.h"

namespace dialogs_test {
namespace {

using DialogAccessibility = DialogsTest;

QAccessibleInterface* Accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

void ExpectModelessDialog(QWidget* window) {
    ASSERT_NE(window, nullptr);
    EXPECT_NE(qobject_cast<QDialog*>(window), nullptr);
    EXPECT_EQ(Accessible(window)->role(), QAccessible::Dialog);
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(Accessible(window)->text(QAccessible::Name), "ペルノカ Ver.0.2");
}

TEST_F(DialogAccessibility, TheSecondaryWindowsAreModelessDialogs) {
    ExpectModelessDialog(ShowOptions());
    ExpectModelessDialog(ShowAbout());
    ExpectModelessDialog(ShowView(QImage()));
}

TEST_F(DialogAccessibility, TheOptionsBoxIsLabelledByItsCaption) {
    QWidget* window = ShowOptions();
    auto* box = testsupport::Part<QLineEdit>(window, "txtClickSu");
    auto* caption = testsupport::Part<QLabel>(window, "Label3");
    ASSERT_TRUE(box && caption);
    EXPECT_EQ(caption->text(), "ｸﾘｯｸ数");
    EXPECT_EQ(caption->buddy(), box);

    QAccessibleInterface* field = Accessible(box);
    EXPECT_EQ(field->role(), QAccessible::EditableText);
    EXPECT_EQ(field->text(QAccessible::Name), "ｸﾘｯｸ数");
    const auto labels = field->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->object(), caption);
}

TEST_F(DialogAccessibility, TheMailAddressIsALinkWhosePressSendsMail) {
    QWidget* window = ShowAbout();
    auto* mail = testsupport::Part<dialogs::MailLink>(window, "Label6");
    ASSERT_NE(mail, nullptr);
    QAccessibleInterface* link = Accessible(mail);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), QString::fromUtf8("E-mail:" PERNOKA_MAIL));
    EXPECT_EQ(link->text(QAccessible::Description), "作者へメールを送信します。");
    EXPECT_TRUE(link->state().linked);
    ASSERT_NE(link->actionInterface(), nullptr);
    EXPECT_EQ(link->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    EXPECT_TRUE(ShellCalls().empty());
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(ShellCalls().size(), 1u);
    EXPECT_EQ(ShellCalls()[0], ShellCall("url", "mailto:" PERNOKA_MAIL));
    // It still looks and reads like the link it was.
    EXPECT_EQ(mail->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(mail->font().underline());
}

TEST_F(DialogAccessibility, OKIsTheDefaultButtonOfAboutAndPictureViewOnly) {
    QWidget* options = ShowOptions();
    QWidget* about = ShowAbout();
    QWidget* view = ShowView(QImage());
    EXPECT_FALSE(testsupport::Part<QPushButton>(options, "cmdOK")->isDefault());
    EXPECT_FALSE(testsupport::Part<QPushButton>(options, "cmdOK")->autoDefault());
    EXPECT_TRUE(testsupport::Part<QPushButton>(about, "cmdAbout")->isDefault());
    EXPECT_TRUE(testsupport::Part<QPushButton>(view, "cmdPic")->isDefault());
}

}  // namespace
}  // namespace dialogs_test
