#include "compare/name_fix.h"

#include "cli/run_settings.h"
#include "platform/platform.h"
#include "report/difference_report.h"

namespace movra {

bool renameTargetEntry(const std::u16string& targetName, const std::u16string& sourceName,
                       const std::u16string& subPath) {
    const std::u16string folder = runSettings().targetRoot + subPath;
    if (platform::renameEntry(folder + targetName, folder + sourceName)) {
        return true;
    }
    writeDetailLine(u"###Error###", u"");
    return false;
}

}  // namespace movra
