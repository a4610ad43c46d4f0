#pragma once
// What the program asks of the desktop: message boxes, the open-file dialog,
// the wait cursor, opening a mail address, and ending the process. The
// program is handed one set of them (DesktopServices); tests hand it theirs.
#include <string>

class QFileDialog;

namespace platform {

enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

class Services {
public:
    virtual ~Services() = default;

    // A modal message box without an icon; the first button is the default.
    virtual MsgAnswer MsgBox(const std::string& prompt, MsgButtons buttons, const std::string& title) = 0;

    // Runs the open-file dialog, fully set up, and returns what exec() does:
    // QDialog::Accepted once a file is chosen, QDialog::Rejected otherwise.
    virtual int RunFileDialog(QFileDialog& dialog) = 0;

    // The wait cursor over every window of the program, from BeginBusy to
    // the matching EndBusy, while a command works for a noticeable time
    // without taking input. Calls may nest.
    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;

    // Gives a URL to the desktop's handler for it; a mailto: address opens a
    // new message in the user's mail program. False when there is no handler
    // to give it to (for mailto:, no default mail program).
    virtual bool OpenUrl(const std::string& url) = 0;

    // Ends the process at once: no further events, every window goes with it.
    // Does not return in the program.
    virtual void EndProcess() = 0;
};

// The wait cursor for as long as it lives.
class BusyCursor {
public:
    explicit BusyCursor(Services& services) : services_(services) { services_.BeginBusy(); }
    ~BusyCursor() { services_.EndBusy(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Services& services_;
};

}  // namespace platform
