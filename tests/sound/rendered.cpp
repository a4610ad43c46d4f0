#include "rendered.h"

#include <algorithm>
#include <atomic>

#include "platform/audio/rendered_tune.h"

namespace soundtest {

Rendered Render(const std::vector<uint8_t>& smf, const std::string& soundFont) {
    platform::audio::RenderedTune tune;
    const std::atomic<bool> cancel{false};
    platform::audio::RenderTune({smf.begin(), smf.end()}, soundFont, tune, cancel);
    Rendered result;
    result.complete = tune.State() == platform::audio::RenderedTune::Progress::Complete;
    result.passFrames = tune.PassFrames();
    result.frames.resize(static_cast<size_t>(tune.Rendered()) * 2);
    tune.Read(0, tune.Rendered(), result.frames.data());
    return result;
}

std::vector<int16_t> LoopSeam(const Rendered& tune) {
    const size_t pass = static_cast<size_t>(tune.passFrames) * 2;
    const size_t ringOut = tune.frames.size() - pass;
    std::vector<int16_t> seam(std::min(ringOut, pass));
    for (size_t i = 0; i < seam.size(); ++i)
        seam[i] = static_cast<int16_t>(std::clamp(tune.frames[i] + tune.frames[pass + i], -32768, 32767));
    return seam;
}

}  // namespace soundtest
