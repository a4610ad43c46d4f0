// The help file reader: bytes → a file → ShowHelpFile, which lays it out as
// HTML in the help viewer. The viewer goes after each input, so memory stays
// flat from one to the next.
#include <QApplication>
#include <QWidget>

#include "fuzz_support.h"
#include "platform/help_viewer.h"

namespace {

fuzzsupport::ScratchFile* scratch = nullptr;

void CloseViewers() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("helpViewer")) delete window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzsupport::QuietOffscreen();
    static QApplication app(*argc, *argv);
    static fuzzsupport::ScratchFile file("Tez.hlp");
    scratch = &file;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    scratch->Write(data, size);
    platform::ShowHelpFile(scratch->Path());
    CloseViewers();
    return 0;
}
