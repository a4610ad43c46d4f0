#pragma once
// Records every message box and answers it from a script.
#include <deque>
#include <string>
#include <vector>

namespace testsupport {

struct ShownBox {
    std::string prompt;
    int buttons = 0;
    std::string title;
};

class ScriptedMsgBox {
public:
    // Routes message boxes here for this object's lifetime.
    ScriptedMsgBox();
    ~ScriptedMsgBox();
    ScriptedMsgBox(const ScriptedMsgBox&) = delete;
    ScriptedMsgBox& operator=(const ScriptedMsgBox&) = delete;

    // Answers for the next boxes, in order; OK (1) once the script runs out.
    void Answer(int button) { answers_.push_back(button); }
    const std::vector<ShownBox>& Shown() const { return shown_; }

    // Outside any ScriptedMsgBox a box fails the running test instead of blocking.
    static void InstallGuard();

private:
    std::deque<int> answers_;
    std::vector<ShownBox> shown_;
};

}  // namespace testsupport
