#pragma once
// The desktop as the tests play it: message boxes recorded and answered from
// a script, the open-file dialog set up for real but answered without being
// shown, and the wait cursor, the help file, mail link and the end of the
// process recorded.
// Anything nobody asked for fails the running test instead of blocking it.
#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/services.h"

namespace testsupport {

struct ShownBox {
    std::string prompt;
    platform::MsgButtons buttons = platform::MsgButtons::Ok;
    std::string title;
    bool busy = false;  // shown under the wait cursor
};

struct SeenFileDialog {
    QString title;
    QString directory;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptSave;
    QStringList nameFilters;   // as Qt holds them, patterns included
    QStringList shownTypes;    // what the file-type list shows the user
    int preselectedType = -1;  // index into shownTypes
    bool busy = false;         // shown under the wait cursor
};

// (operation, target): ("url", url) for OpenUrl.
using ShellCall = std::pair<std::string, std::string>;

class FakeServices final : public platform::Services {
public:
    // A wait cursor still up when the test ends fails it.
    ~FakeServices() override;

    // Message boxes are expected from now on; the answers go to the next
    // boxes in order, and OK once they run out.
    void ExpectBoxes() { boxesExpected_ = true; }
    void Answer(platform::MsgAnswer answer) {
        boxesExpected_ = true;
        answers_.push_back(answer);
    }
    const std::vector<ShownBox>& Shown() const { return shown_; }
    // Runs as each box comes up.
    void OnBox(std::function<void()> hook) { onBox_ = std::move(hook); }

    // The next dialogs end with this file chosen; an empty path cancels them.
    void Choose(const QString& path) {
        dialogsExpected_ = true;
        choice_ = path;
    }
    // Runs on the live dialog before it is answered.
    void Inspect(std::function<void(QFileDialog&)> inspect) {
        dialogsExpected_ = true;
        inspect_ = std::move(inspect);
    }
    const std::vector<SeenFileDialog>& SeenDialogs() const { return seenDialogs_; }

    // The wait cursor: how often it came up, whether it is up now, and a
    // hook that runs as it comes up (true) and as it goes (false).
    int BusyShown() const { return busyShown_; }
    bool Busy() const { return busyDepth_ > 0; }
    void OnBusy(std::function<void(bool)> hook) { onBusy_ = std::move(hook); }

    const std::vector<ShellCall>& ShellCalls() const { return shellCalls_; }
    int EndProcessCalls() const { return endProcessCalls_; }

    platform::MsgAnswer MsgBox(const std::string& prompt, platform::MsgButtons buttons,
                               const std::string& title) override;
    int RunFileDialog(QFileDialog& dialog) override;
    void BeginBusy() override;
    void EndBusy() override;
    // Whether the next URLs find a handler.
    void UrlsOpen(bool open) { urlsOpen_ = open; }
    bool OpenUrl(const std::string& url) override {
        shellCalls_.emplace_back("url", url);
        return urlsOpen_;
    }
    void EndProcess() override { ++endProcessCalls_; }

private:
    bool boxesExpected_ = false;
    std::deque<platform::MsgAnswer> answers_;
    std::vector<ShownBox> shown_;
    std::function<void()> onBox_;

    bool dialogsExpected_ = false;
    QString choice_;
    std::function<void(QFileDialog&)> inspect_;
    std::vector<SeenFileDialog> seenDialogs_;

    int busyShown_ = 0;
    int busyDepth_ = 0;
    std::function<void(bool)> onBusy_;

    std::vector<ShellCall> shellCalls_;
    bool urlsOpen_ = true;
    int endProcessCalls_ = 0;
};

}  // namespace testsupport
