#include "compare/entry_comparer.h"

#include <cmath>

#include "cli/run_settings.h"
#include "compare/content_comparer.h"
#include "compare/name_fix.h"
#include "compare/value_format.h"
#include "report/difference_report.h"

namespace movra {
namespace {

constexpr std::uint32_t kComparedAttributes = kAttribReadOnly | kAttribHidden | kAttribSystem;

// What differs in one pair, and its tags in their fixed order.
struct PairFindings {
    bool name = false;
    bool size = false;
    bool content = false;
    bool time = false;
    bool createTime = false;
    bool attributes = false;
    std::u16string differenceTags;

    void add(bool& flag, std::u16string_view tag) {
        flag = true;
        differenceTags += tag;
    }
};

// Returns the target name the content test should open.
const std::u16string& compareName(const FolderEntry& source, const FolderEntry& target,
                                  const std::u16string& subPath, bool isFolder,
                                  PairFindings& found) {
    if (source.name == target.name) {
        return target.name;
    }
    if (!runSettings().fixNameCase) {
        found.add(found.name, u"(Name)");
        return target.name;
    }
    DifferenceReport({u"*Rename:", target.name, source.name, subPath, isFolder});
    const bool renamed = renameTargetEntry(target.name, source.name, subPath);
    return renamed && pathRules().openRenamedTargetByNewName ? source.name : target.name;
}

void compareSizeOrContent(const FolderEntry& source, const FolderEntry& target,
                          const std::u16string& targetName, const std::u16string& subPath,
                          PairFindings& found) {
    const RunSettings& settings = runSettings();
    if (source.size != target.size) {
        found.add(found.size, u"(Size)");
    } else if (settings.compareContent &&
               !compareContents(settings.sourceRoot + subPath + source.name,
                                settings.targetRoot + subPath + targetName)) {
        found.add(found.content, u"(Content)");
    }
}

// A time the listing could not represent (-1) matches only itself: comparing it with a
// real time by arithmetic would report a difference of decades.
bool lastWriteTimesDiffer(std::int64_t source, std::int64_t target, std::int32_t tolerance) {
    if (source == -1 || target == -1) {
        return source != target;
    }
    const double difference = static_cast<double>(source) - static_cast<double>(target);
    return std::fabs(difference) > static_cast<double>(tolerance);
}

void compareTimes(const FolderEntry& source, const FolderEntry& target, PairFindings& found) {
    const RunSettings& settings = runSettings();
    if (settings.compareDateTime &&
        lastWriteTimesDiffer(source.time_write, target.time_write, settings.timeToleranceSeconds)) {
        found.add(found.time, u"(Time)");
    }
    if (settings.includeCreationTime && source.time_create != -1 && target.time_create != -1 &&
        source.time_create != target.time_create) {
        found.add(found.createTime, u"(Create Time)");
    }
}

void writeValueLines(const FolderEntry& source, const FolderEntry& target,
                     const PairFindings& found) {
    if (found.name) {
        writeDetailLine(source.name, target.name);
    }
    if (found.size) {
        writeDetailLine(formatSize(source.size), formatSize(target.size));
    }
    if (found.time) {
        writeDetailLine(formatDateTime(source.time_write), formatDateTime(target.time_write));
    }
    if (found.createTime) {
        writeDetailLine(formatDateTime(source.time_create), formatDateTime(target.time_create));
    }
    if (found.attributes) {
        writeDetailLine(formatAttributes(source.attrib), formatAttributes(target.attrib));
    }
}

}  // namespace

bool EntryComparer(const FolderEntry& source, const FolderEntry& target,
                   const std::u16string& subPath, bool isFolder) {
    const RunSettings& settings = runSettings();
    PairFindings found;
    const std::u16string& targetName = compareName(source, target, subPath, isFolder, found);
    if (!isFolder) {
        if (settings.compareSize) {
            compareSizeOrContent(source, target, targetName, subPath, found);
        }
        compareTimes(source, target, found);
    }
    if (settings.compareAttributes &&
        ((source.attrib ^ target.attrib) & kComparedAttributes) != 0) {
        found.add(found.attributes, u"(Attribute)");
    }
    if (found.differenceTags.empty()) {
        return true;
    }
    DifferenceReport({u"Different:", source.name, found.differenceTags, subPath, isFolder});
    if (settings.verbose) {
        writeValueLines(source, target, found);
    }
    return false;
}

}  // namespace movra
