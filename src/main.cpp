// ペルノカ: starting the program creates the main window and shows it.
#include <QApplication>

#include "mainwindow/main_window.h"
#include "platform/clock_random.h"
#include "platform/app_setup.h"

namespace {

// Silent stand-in until the audio engine is wired in.
class NoSound final : public engine::SoundPort {
public:
    void MidiPlay(const std::string&) override {}
    void MidiStop() override {}
    void WavePlay(const std::string&) override {}
    void WaveStop() override {}
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pernoka"));
    platform::PrepareJapaneseApplication();

    NoSound sound;
    platform::ClockRandom random;
    mainwindow::Form1 form1(sound, random);
    form1.show();
    return app.exec();
}
