// The recording fakes of the engine's window, sound and random source.
#include "support/fake_board.h"

namespace testsupport {
namespace {

const char* ChangeName(engine::BoardChange change) {
    switch (change) {
        case engine::BoardChange::NewBoard: return "NewBoard";
        case engine::BoardChange::Slid: return "Slid";
        case engine::BoardChange::Reshuffled: return "Reshuffled";
        case engine::BoardChange::Cleared: return "Cleared";
    }
    return "?";
}

}  // namespace

void FakeWindow::BoardChanged(const engine::Board& changed, engine::BoardChange change, int16_t tile) {
    board = changed;
    std::string entry = std::string("Board ") + ChangeName(change);
    if (change == engine::BoardChange::Slid) entry += " " + std::to_string(tile);
    log.push_back(entry);
}

void FakeWindow::SetCaption(const std::string& text) {
    caption = text;
    log.push_back("SetCaption " + text);
}

void FakeWindow::SetBackColor(uint32_t rgb) { log.push_back("SetBackColor " + std::to_string(rgb)); }

int FakeWindow::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    boxes.push_back(title + "|" + std::to_string(buttons) + "|" + prompt);
    log.push_back("MsgBox " + prompt);
    if (onMsgBox) onMsgBox();
    if (answers.empty()) return 1;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeWindow::EndProcess() {
    ++endProcessCalls;
    log.push_back("EndProcess");
}

int FakeWindow::Count(const std::string& prefix) const {
    int n = 0;
    for (const auto& entry : log)
        if (entry.rfind(prefix, 0) == 0) ++n;
    return n;
}

float ScriptedRandom::Rnd() {
    ++rndCalls;
    if (onRnd) onRnd();
    if (!script.empty()) {
        const float r = script.front();
        script.pop_front();
        return r;
    }
    state = state * 1103515245u + 12345u;
    return static_cast<float>((state >> 8) & 0xFFFFFF) / 16777216.0f;
}

}  // namespace testsupport
