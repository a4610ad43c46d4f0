#pragma once
// Reading what SDL's disk driver wrote (interleaved 16-bit stereo at
// 44100 Hz) and finding where sounds start in it.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace soundtest {

inline constexpr int kRate = 44100;

std::vector<int16_t> ReadRawPcm(const std::string& path);

int PeakLevel(const std::vector<int16_t>& samples);

// Seconds from the start of the recording at which the level first rises
// above `loud` after at least 50 ms below `loud` / 8.
std::vector<double> Onsets(const std::vector<int16_t>& samples, int loud = 3000);

// Seconds during which the level stays above `threshold`, counted in 5 ms steps.
double SoundingSeconds(const std::vector<int16_t>& samples, int threshold = 300);

// How much the disk driver has written to path so far: its own clock, which
// runs at the pace of playback whatever the machine is doing.
double RecordedSeconds(const std::string& path);

// Runs the UI thread's event loop, as the program would idle, until done()
// holds; false if it never does.
bool RunUntil(const std::function<bool()>& done);
// ... until the recording at path holds this many seconds.
bool RunUntilRecorded(const std::string& path, double seconds);

// Runs the UI thread's event loop for this long, for tests that show that
// nothing happens meanwhile.
void RunEventLoopFor(int milliseconds);

}  // namespace soundtest
