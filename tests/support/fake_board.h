#pragma once
// Recording fakes of what the engine talks to: the window, the sound and the
// random source.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "engine/random_source.h"
#include "engine/sound_port.h"
#include "engine/window_port.h"

namespace testsupport {

struct FakeTile {
    bool visible = false;
    float left = 0, top = 0;
    engine::PieceRect piece;
    int moves = 0;
};

class FakeWindow final : public engine::WindowPort {
public:
    int32_t scaleWidth = 4755, scaleHeight = 4335;
    int32_t pictureWidth = 960, pictureHeight = 876;
    float templateWidth = 1335, templateHeight = 1305;
    std::map<int16_t, FakeTile> tiles;  // loaded tiles only
    std::vector<std::string> log;       // every call, in order
    std::string caption = "ペルノカ Ver.0.2";
    std::deque<int> answers;         // message box answers; OK when empty
    std::vector<std::string> boxes;  // "title|buttons|prompt"
    int endProcessCalls = 0;
    bool pictureHidden = false;

    int32_t ScaleWidth() const override { return scaleWidth; }
    int32_t ScaleHeight() const override { return scaleHeight; }
    void SetTemplateSize(float w, float h) override;
    float TemplateWidth() const override { return templateWidth; }
    float TemplateHeight() const override { return templateHeight; }
    int32_t PictureWidth() const override { return pictureWidth; }
    int32_t PictureHeight() const override { return pictureHeight; }
    void HidePicture() override;
    void LoadTile(int16_t index) override;
    void UnloadTile(int16_t index) override;
    void ShowTile(int16_t index) override;
    void MoveTile(int16_t index, float left, float top) override;
    void DrawPiece(int16_t index, const engine::PieceRect& source) override;
    void SetCaption(const std::string& text) override;
    void SetBackColor(uint32_t rgb) override;
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    void EndProcess() override;

    int Count(const std::string& prefix) const;
};

class FakeSound final : public engine::SoundPort {
public:
    std::vector<std::string> calls;                 // "MidiPlay <file>", "WavePlay <file>", "MidiStop", "WaveStop"
    std::vector<std::string>* sharedLog = nullptr;  // also written here, to check order with the window

    void MidiPlay(const std::string& file) override { Record("MidiPlay " + file); }
    void MidiStop() override { Record("MidiStop"); }
    void WavePlay(const std::string& file) override { Record("WavePlay " + file); }
    void WaveStop() override { Record("WaveStop"); }

private:
    void Record(const std::string& call) {
        calls.push_back(call);
        if (sharedLog) sharedLog->push_back("sound " + call);
    }
};

// Values from a script, then from a fixed-seed sequence of its own.
class ScriptedRandom final : public engine::RandomSource {
public:
    std::deque<float> script;
    int randomizeCalls = 0;
    int rndCalls = 0;
    unsigned state = 12345;

    void Randomize() override { ++randomizeCalls; }
    float Rnd() override;
};

}  // namespace testsupport
