#include "support/fake_board.h"

namespace testsupport {

void FakeWindow::SetTemplateSize(float w, float h) {
    templateWidth = w;
    templateHeight = h;
    log.push_back("SetTemplateSize");
}

void FakeWindow::HidePicture() {
    pictureHidden = true;
    log.push_back("HidePicture");
}

void FakeWindow::LoadTile(int16_t index) {
    tiles[index] = FakeTile{};
    log.push_back("LoadTile " + std::to_string(index));
}

void FakeWindow::UnloadTile(int16_t index) {
    tiles.erase(index);
    log.push_back("UnloadTile " + std::to_string(index));
}

void FakeWindow::ShowTile(int16_t index) {
    tiles.at(index).visible = true;
    log.push_back("ShowTile " + std::to_string(index));
}

void FakeWindow::MoveTile(int16_t index, float left, float top) {
    FakeTile& tile = tiles.at(index);
    tile.left = left;
    tile.top = top;
    ++tile.moves;
}

void FakeWindow::DrawPiece(int16_t index, const engine::PieceRect& source) {
    tiles.at(index).piece = source;
    log.push_back("DrawPiece " + std::to_string(index));
}

void FakeWindow::SetCaption(const std::string& text) {
    caption = text;
    log.push_back("SetCaption " + text);
}

void FakeWindow::SetBackColor(uint32_t rgb) { log.push_back("SetBackColor " + std::to_string(rgb)); }

int FakeWindow::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    boxes.push_back(title + "|" + std::to_string(buttons) + "|" + prompt);
    log.push_back("MsgBox " + prompt);
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
    if (!script.empty()) {
        const float r = script.front();
        script.pop_front();
        return r;
    }
    state = state * 1103515245u + 12345u;
    return static_cast<float>((state >> 8) & 0xFFFFFF) / 16777216.0f;
}

}  // namespace testsupport
