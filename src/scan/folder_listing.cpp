#include "scan/folder_listing.h"

#include <algorithm>
#include <iterator>

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
    const auto leftOut = [includeHiddenSystem](const FolderEntry& entry) {
        if ((entry.attrib & (kAttribHidden | kAttribSystem)) != 0 && !includeHiddenSystem) {
            return true;
        }
        return (entry.attrib & kAttribDirectory) != 0 && isDotOrDotDot(entry.name);
    };
    std::erase_if(entries, leftOut);
    // The files stay in the listing's own sequence and only the folders move out, so a
    // large folder is never held twice.
    const auto firstFolder =
        std::partition(entries.begin(), entries.end(),
                       [](const FolderEntry& e) { return (e.attrib & kAttribDirectory) == 0; });
    listing.folders.assign(std::make_move_iterator(firstFolder),
                           std::make_move_iterator(entries.end()));
    entries.erase(firstFolder, entries.end());
    listing.files = std::move(entries);
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
