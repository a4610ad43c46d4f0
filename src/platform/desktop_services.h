#pragma once
// The services of the real desktop: Qt's message box, file dialog and
// override cursor, the desktop's URL handler, and the process's end.
#include <functional>

#include "platform/services.h"

namespace platform {

class DesktopServices final : public Services {
public:
    // beforeEnd runs just before the process ends (the audio thread must
    // stop first).
    explicit DesktopServices(std::function<void()> beforeEnd = {});

    MsgAnswer MsgBox(const std::string& prompt, MsgButtons buttons, const std::string& title) override;
    int RunFileDialog(QFileDialog& dialog) override;
    void BeginBusy() override;
    void EndBusy() override;
    bool OpenUrl(const std::string& url) override;
    void EndProcess() override;

private:
    std::function<void()> beforeEnd_;
};

// Whether the desktop names a default program for mailto: addresses, as
// xdg-mime tells it; true when that cannot be asked, so the handler decides.
bool MailProgramSetUp();

}  // namespace platform
