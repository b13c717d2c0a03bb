#include "scan/folder_listing.h"

#include <algorithm>

#include "cli/run_settings.h"
#include "console/console_writer.h"
#include "console/messages.h"
#include "scan/name_order.h"

namespace movra {
namespace {

bool isDotOrDotDot(const std::u16string& name) {
    return name == u"." || name == u"..";
}

void sortByName(std::vector<FolderEntry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        return sortsBefore(a.name, b.name);
    });
}

// A folder that is there but cannot be read would otherwise look empty, and everything on
// the other side would be reported as missing here without a word of why.
void reportUnreadableFolder(const std::u16string& folder) {
    std::u16string line = folder;
    if (line.size() > 1 && line.back() == pathRules().separator) {
        line.pop_back();
    }
    line += messageText(MessageId::msgCannotListFolder);
    writeText(line, true, true);
}

}  // namespace

void fillListing(std::vector<FolderEntry>&& entries, bool includeHiddenSystem,
                 FolderListing& listing) {
    for (FolderEntry& entry : entries) {
        if ((entry.attrib & (kAttribHidden | kAttribSystem)) != 0 && !includeHiddenSystem) {
            continue;
        }
        if ((entry.attrib & kAttribDirectory) != 0) {
            if (!isDotOrDotDot(entry.name)) {
                listing.folders.push_back(std::move(entry));
            }
        } else {
            listing.files.push_back(std::move(entry));
        }
    }
    sortByName(listing.files);
    sortByName(listing.folders);
}

FolderListing ListFolder(const std::u16string& root, const std::u16string& subPath) {
    const std::u16string folder = root + subPath;
    FolderListingResult result = platform::listFolder(folder);
    FolderListing listing;
    if (result.outcome == ListOutcome::Unreadable) {
        reportUnreadableFolder(folder);
    }
    fillListing(std::move(result.entries), runSettings().includeHiddenSystem, listing);
    return listing;
}

}  // namespace movra
