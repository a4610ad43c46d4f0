#pragma once
// Recording fakes of what the engine talks to: the window, the sound and the
// random source.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/random_source.h"
#include "engine/sound_port.h"
#include "engine/window_port.h"

namespace testsupport {

class FakeWindow final : public engine::WindowPort {
public:
    engine::Board board;           // as last notified
    std::vector<std::string> log;  // every call, in order
    std::string caption = "ペルノカ Ver.0.2";
    std::deque<int> answers;         // message box answers; OK when empty
    std::vector<std::string> boxes;  // "title|buttons|prompt"
    std::function<void()> onMsgBox;  // runs as each box is shown
    int endProcessCalls = 0;

    void BoardChanged(const engine::Board& board, engine::BoardChange change, int16_t tile) override;
    void SetCaption(const std::string& text) override;
    void SetBackColor(uint32_t rgb) override;
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    void EndProcess() override;

    int Count(const std::string& prefix) const;
};

class FakeSound final : public engine::SoundPort {
public:
    std::vector<std::string> calls;                 // "MidiPlay <file>", "WavePlay <file>", "MidiStop", "WaveStop", "PrepareTune <file>"
    std::vector<std::string>* sharedLog = nullptr;  // also written here, to check order with the window

    void MidiPlay(const std::string& file) override { Record("MidiPlay " + file); }
    void MidiStop() override { Record("MidiStop"); }
    void WavePlay(const std::string& file) override { Record("WavePlay " + file); }
    void WaveStop() override { Record("WaveStop"); }
    void PrepareTune(const std::string& file) override { Record("PrepareTune " + file); }

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
    std::function<void()> onRnd;  // runs before each value is given, inside a shuffle

    void Randomize() override { ++randomizeCalls; }
    float Rnd() override;
};

}  // namespace testsupport
