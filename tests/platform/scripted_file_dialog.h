#pragma once
// Plays the user at the open-file dialog: records how the dialog was set up
// and answers it from a script, without ever showing it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <functional>

#include "platform/open_file_dialog.h"

namespace testsupport {

struct SeenFileDialog {
    QString title;
    QString directory;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptSave;
    QStringList nameFilters;   // as Qt holds them, patterns included
    QStringList shownTypes;    // what the file-type list shows the user
    int preselectedType = -1;  // index into shownTypes
};

class ScriptedFileDialog {
public:
    ScriptedFileDialog() {
        platform::SetOpenFileDlgHook([this](QFileDialog& dialog) {
            seen_.push_back(Look(dialog));
            if (inspect_) inspect_(dialog);
            if (choice_.isEmpty()) return int(QDialog::Rejected);
            dialog.selectFile(choice_);
            return int(QDialog::Accepted);
        });
    }
    ~ScriptedFileDialog() { InstallGuard(); }
    ScriptedFileDialog(const ScriptedFileDialog&) = delete;
    ScriptedFileDialog& operator=(const ScriptedFileDialog&) = delete;

    // The next dialogs end with this file chosen; an empty path cancels them.
    void Choose(const QString& path) { choice_ = path; }
    // Runs on the live dialog before it is answered.
    void Inspect(std::function<void(QFileDialog&)> inspect) { inspect_ = std::move(inspect); }
    const std::vector<SeenFileDialog>& Seen() const { return seen_; }

    // Outside a ScriptedFileDialog a dialog fails the running test instead of blocking.
    static void InstallGuard() {
        platform::SetOpenFileDlgHook([](QFileDialog& dialog) {
            ADD_FAILURE() << "unexpected file dialog \"" << dialog.windowTitle().toStdString() << "\"";
            return int(QDialog::Rejected);
        });
    }

private:
    static SeenFileDialog Look(const QFileDialog& dialog) {
        SeenFileDialog seen{dialog.windowTitle(),
                            dialog.directory().absolutePath(),
                            dialog.fileMode(),
                            dialog.acceptMode(),
                            dialog.nameFilters(),
                            {},
                            -1};
        if (const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
            for (int i = 0; i < types->count(); ++i) seen.shownTypes << types->itemText(i);
            seen.preselectedType = types->currentIndex();
        }
        return seen;
    }

    QString choice_;
    std::function<void(QFileDialog&)> inspect_;
    std::vector<SeenFileDialog> seen_;
};

// Guards every test program that includes this from a dialog nobody answers.
inline const bool kFileDialogGuarded = (ScriptedFileDialog::InstallGuard(), true);

}  // namespace testsupport
