// Writes the program's sound files: QUIL9702.mid, Pop.wav and GameEnd.wav.
//   sound_gen <folder>      (normally the source tree's data/)
// Commit the three files it writes.
#include <cstdio>
#include <fstream>
#include <string>

#include "effects.h"
#include "tune.h"
#include "wav_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";

    const auto tune = sound_gen::ComposeTune();
    std::ofstream midi(folder + "QUIL9702.mid", std::ios::binary);
    midi.write(reinterpret_cast<const char*>(tune.data()), static_cast<std::streamsize>(tune.size()));
    midi.close();
    const bool ok = static_cast<bool>(midi) &&
                    sound_gen::WriteWav(folder + "Pop.wav", sound_gen::MakePop(), sound_gen::kWaveRate) &&
                    sound_gen::WriteWav(folder + "GameEnd.wav", sound_gen::MakeGameEnd(), sound_gen::kWaveRate);
    if (!ok) {
        std::fprintf(stderr, "sound_gen: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
