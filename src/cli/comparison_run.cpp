#include "cli/comparison_run.h"

#include "cli/run_settings.h"
#include "console/console_writer.h"
#include "console/messages.h"
#include "platform/platform.h"
#include "scan/folder_comparer.h"

namespace movra {
namespace {

constexpr int kFirstHalfOfSpecialKey = 0;
constexpr int kFirstHalfOfExtendedKey = 224;

void pauseForKey() {
    writeText(messageText(MessageId::msgPause), false, true);
    // The prompt must be on screen before the wait, even when output is buffered.
    platform::flushOutput();
    const int code = platform::readKeyCode();
    if (code == kFirstHalfOfSpecialKey || code == kFirstHalfOfExtendedKey) {
        platform::readKeyCode();
    }
}

}  // namespace

int runComparison(bool showClosingMessage) {
    const RunSettings& settings = runSettings();
    if (FolderComparer(u"")) {
        if (showClosingMessage) {
            if (settings.anyHeadingShown || settings.showWorkingFolder) {
                writeText(u"", false, true);
            }
            writeText(messageText(MessageId::msgNoDifferences), false, true);
        }
        return 0;
    }
    if (settings.pauseOnDifferences) {
        pauseForKey();
    }
    return 1;
}

}  // namespace movra
