#pragma once
// The program's own texts, each in one place. Every layer reads them from
// here, so a message reads the same wherever it is shown.
namespace engine::text {

// The caption of every window, and the title of the exit question.
inline constexpr const char* kProgramTitle = "ペルノカ Ver.0.2";
// The title of every refusal.
inline constexpr const char* kErrorTitle = "エラー";

inline constexpr const char* kGameRunning = "ゲームが開始されていますので選択できません。";
inline constexpr const char* kChoosePictureFirst = "画像を選択して下さい。";
inline constexpr const char* kPictureUnreadable = "画像を読み込めませんでした。";
inline constexpr const char* kClickSuRange = "1から99までの数字を入力して下さい。";
inline constexpr const char* kEnding = "終了します。";

// Follows the move count in the window title.
inline constexpr const char* kMovesSuffix = "回目";

inline constexpr const char* kPictureDialogTitle = "画像ファイルの選択";

// Where no mail program takes the author's address; the address follows on
// a line of its own, to be copied from the box.
inline constexpr const char* kNoMailProgram = "メールソフトを開けませんでした。次のアドレスへお送り下さい。";

}  // namespace engine::text
