// ペルノカ: starting the program creates the main window and shows it.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "mainwindow/main_window.h"
#include "platform/clock_random.h"
#include "platform/fonts.h"

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
    platform::InstallJapaneseFonts();

    // Standard buttons read はい/いいえ whatever the desktop's language.
    QTranslator qtbase;
    if (qtbase.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtbase);

    NoSound sound;
    platform::ClockRandom random;
    mainwindow::Form1 form1(sound, random);
    form1.show();
    return app.exec();
}
