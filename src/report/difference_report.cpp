#include "report/difference_report.h"

#include <string>

#include "cli/run_settings.h"
#include "console/console_writer.h"
#include "report/list_format.h"

namespace movra {
namespace {

constexpr std::size_t kLabelWidth = 13;

bool isActionKind(std::u16string_view kind) {
    return !kind.empty() && kind.front() == u'*';
}

void writeLine(const std::u16string& line) {
    writeText(line, false, true);
}

// Only actions the tool takes itself (renames) show in the quiet form.
void writeQuietForm(const DifferenceRecord& record) {
    if (!isActionKind(record.kind)) {
        return;
    }
    std::u16string line(record.kind);
    if (record.isFolder) {
        line.insert(line.size() - 1, u" Dir");
    }
    line += u' ';
    line += record.subPath;
    line += record.name;
    line += u" -> ";
    line += record.detail;
    writeLine(line);
}

void runHeadingStep(std::u16string_view subPath) {
    RunSettings& settings = runSettings();
    if (settings.anyHeadingShown) {
        writeLine(u"");
    }
    if (!subPath.empty()) {
        std::u16string heading = u"<";
        heading += subPath.substr(0, subPath.size() - 1);
        heading += u'>';
        writeLine(heading);
    }
    settings.folderHeadingShown = true;
    settings.anyHeadingShown = true;
}

void writeNormalForm(const DifferenceRecord& record) {
    const RunSettings& settings = runSettings();
    if (!settings.showWorkingFolder && !settings.folderHeadingShown) {
        runHeadingStep(record.subPath);
    }
    std::u16string line(record.kind);
    line.resize(kLabelWidth, u' ');
    if (record.isFolder) {
        line += u"<DIR> ";
    }
    line += record.name;
    if (!record.detail.empty()) {
        line += isActionKind(record.kind) ? u" -> " : u" ";
        line += record.detail;
    }
    writeLine(line);
}

}  // namespace

void DifferenceReport(const DifferenceRecord& record) {
    const RunSettings& settings = runSettings();
    if (settings.quiet) {
        writeQuietForm(record);
    } else if (settings.listFormat) {
        writeListForm(record);
    } else {
        writeNormalForm(record);
    }
}

void writeDetailLine(std::u16string_view first, std::u16string_view second) {
    std::u16string line(kLabelWidth, u' ');
    line += first;
    if (!second.empty()) {
        line += u" - ";
        line += second;
    }
    writeLine(line);
}

}  // namespace movra
