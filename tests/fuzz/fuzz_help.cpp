// The help file reader: bytes → a file → the help viewer, which lays it out
// as HTML. The viewer goes after each input, so memory stays flat from one
// to the next.
#include <QApplication>

#include "fuzz_support.h"
#include "platform/help_viewer.h"

namespace {

fuzzsupport::ScratchFile* scratch = nullptr;

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
    {
        platform::HelpViewer viewer;
        viewer.Show(scratch->Path());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
