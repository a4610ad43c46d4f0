// The application's Japanese set-up: fonts and Qt's translations.
#include "platform/app_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/fonts.h"

namespace platform {

void PrepareJapaneseApplication() {
    InstallJapaneseFonts();
    auto* qtbase = new QTranslator(qApp);
    if (qtbase->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtbase);
}

}  // namespace platform
