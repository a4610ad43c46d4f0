#pragma once
// The click sound blocks the UI thread while it plays; the moved tile must be
// on screen before that, so the window is painted first.
#include <QPointer>
#include <QWidget>

#include "engine/sound_port.h"

namespace mainwindow {

class MovePaintingSound final : public engine::SoundPort {
public:
    explicit MovePaintingSound(engine::SoundPort& inner) : inner_(inner) {}
    void SetSurface(QWidget* surface) { surface_ = surface; }

    void MidiPlay(const std::string& file) override { inner_.MidiPlay(file); }
    void MidiStop() override { inner_.MidiStop(); }
    void WavePlay(const std::string& file) override {
        if (surface_) surface_->repaint();
        inner_.WavePlay(file);
    }
    void WaveStop() override { inner_.WaveStop(); }
    void PrepareTune(const std::string& file) override { inner_.PrepareTune(file); }

private:
    engine::SoundPort& inner_;
    QPointer<QWidget> surface_;
};

}  // namespace mainwindow
