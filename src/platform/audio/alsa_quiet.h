#pragma once
namespace platform::audio {

// On a machine without a sound card libasound writes its failures to the
// terminal while SDL looks for a device; the game falls back to silence by
// itself, so those lines only alarm. Silences them if libasound is there.
void QuietAlsaErrors();

}  // namespace platform::audio
