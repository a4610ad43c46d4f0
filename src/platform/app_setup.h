#pragma once
// The application's Japanese set-up.
namespace platform {

// Japanese fonts and Qt's Japanese translations, so standard buttons read
// はい/いいえ whatever the desktop's language. Call once after QApplication.
void PrepareJapaneseApplication();

}  // namespace platform
