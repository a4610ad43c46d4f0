// The Japanese gothic in place of the font the designs ask for.
#include "platform/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace platform {

const char* JapaneseGothicFamily() { return "IPAGothic"; }

void InstallJapaneseFonts() {
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QString::fromUtf8(JapaneseGothicFamily()));
    QFont::insertSubstitution(QStringLiteral("MS Gothic"), QString::fromUtf8(JapaneseGothicFamily()));
    QFont font(QString::fromUtf8(JapaneseGothicFamily()));
    font.setPointSize(9);
    QApplication::setFont(font);
}

}  // namespace platform
