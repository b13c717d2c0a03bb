#include "scan/folder_comparer.h"

#include <algorithm>

#include "cli/run_settings.h"
#include "console/console_writer.h"
#include "scan/folder_listing.h"

namespace movra {
namespace {

// The source folders the walk is inside, outermost first. A link back to one of them
// would make the walk go round for ever, so it is not entered again.
std::vector<FolderIdentity>& descentPath() {
    static std::vector<FolderIdentity> path;
    return path;
}

void showWorkingFolder(const std::u16string& subPath) {
    if (subPath.empty()) {
        writeText(u"<.>", false, true);
        return;
    }
    std::u16string line = u"<";
    line.append(subPath, 0, subPath.size() - 1);
    line += u'>';
    writeText(line, false, true);
}

bool isOnDescentPath(const std::optional<FolderIdentity>& identity) {
    const std::vector<FolderIdentity>& path = descentPath();
    return identity && std::find(path.begin(), path.end(), *identity) != path.end();
}

// Compares one subfolder level below `subPath`, unless that would re-enter a folder the
// walk is already inside. Returns false when a difference was found.
bool descend(const std::u16string& subPath, const FolderEntry& folder) {
    const RunSettings& settings = runSettings();
    std::u16string childPath = subPath + folder.name;
    if (!platform::pathExists(settings.targetRoot + childPath)) {
        return true;
    }
    const std::optional<FolderIdentity> identity =
        platform::folderIdentity(settings.sourceRoot + childPath);
    if (isOnDescentPath(identity)) {
        return true;
    }
    childPath += pathRules().separator;
    if (identity) {
        descentPath().push_back(*identity);
    }
    const bool equal = FolderComparer(childPath);
    if (identity) {
        descentPath().pop_back();
    }
    return equal;
}

bool compareLevel(const std::u16string& subPath) {
    RunSettings& settings = runSettings();
    if (settings.showWorkingFolder) {
        showWorkingFolder(subPath);
    }
    FolderListing source = ListFolder(settings.sourceRoot, subPath);
    FolderListing target = ListFolder(settings.targetRoot, subPath);
    settings.folderHeadingShown = false;

    bool equal = true;
    if (settings.recurseSubfolders || settings.compareFolderExistence) {
        equal = PairEntries(source.folders, target.folders, subPath, true);
    }
    equal = PairEntries(source.files, target.files, subPath, false) && equal;
    if (settings.recurseSubfolders) {
        // Only the source folders are needed below, so a deep walk holds one sequence
        // per level rather than four.
        target = FolderListing{};
        source.files = std::vector<FolderEntry>{};
        for (const FolderEntry& folder : source.folders) {
            equal = descend(subPath, folder) && equal;
        }
    }
    return equal;
}

}  // namespace

bool FolderComparer(const std::u16string& subPath) {
    if (!subPath.empty()) {
        return compareLevel(subPath);
    }
    // The walk starts: the source root is the first folder on the descent path.
    descentPath().clear();
    if (const auto root = platform::folderIdentity(runSettings().sourceRoot)) {
        descentPath().push_back(*root);
    }
    return compareLevel(subPath);
}

}  // namespace movra
