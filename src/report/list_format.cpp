#include "report/list_format.h"

#include <string>

#include "console/console_writer.h"

namespace movra {
namespace {

bool contains(std::u16string_view detail, std::u16string_view tag) {
    return detail.find(tag) != std::u16string_view::npos;
}

void writeListLine(std::u16string_view label, const DifferenceRecord& record) {
    std::u16string line(label);
    line += record.subPath;
    line += record.name;
    writeText(line, false, true);
}

void writeDifferentLines(const DifferenceRecord& record) {
    const std::u16string_view detail = record.detail;
    if (contains(detail, u"(Size)") || contains(detail, u"(Time)") ||
        contains(detail, u"(Content)")) {
        writeListLine(u"Update: ", record);
    }
    if (contains(detail, u"(Name)")) {
        writeListLine(record.isFolder ? u"Rename Dir: " : u"Rename: ", record);
    }
    if (contains(detail, u"(Attribute)")) {
        writeListLine(record.isFolder ? u"Attribute Dir: " : u"Attribute: ", record);
    }
    if (contains(detail, u"(Create Time)")) {
        writeListLine(u"Createtime: ", record);
    }
}

}  // namespace

void writeListForm(const DifferenceRecord& record) {
    if (record.kind == u"Different:") {
        writeDifferentLines(record);
    } else if (record.kind == u"Source Only:") {
        writeListLine(record.isFolder ? u"Copy Dir: " : u"Copy: ", record);
    } else if (record.kind == u"Target Only:") {
        writeListLine(record.isFolder ? u"Delete Dir: " : u"Delete: ", record);
    }
}

}  // namespace movra
