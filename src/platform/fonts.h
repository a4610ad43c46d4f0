#pragma once
// The fonts the designs ask for, mapped onto installed ones.
namespace platform {

// The designs ask for "ＭＳ ゴシック", which Linux does not have: map it, and
// the application's own font, to the installed Japanese gothic at 9 pt.
void InstallJapaneseFonts();

// Family name of the Japanese gothic used in place of "ＭＳ ゴシック".
const char* JapaneseGothicFamily();

}  // namespace platform
