#include "platform/posix/mountinfo.h"

#include <vector>

namespace movra::posix {
namespace {

bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    while (!line.empty()) {
        const auto blank = line.find(' ');
        fields.push_back(line.substr(0, blank));
        if (blank == std::string_view::npos) {
            break;
        }
        line.remove_prefix(blank + 1);
    }
    return fields;
}

// Whether the mount point `mountPoint` holds `path` (which ends in "/").
bool holds(std::string_view mountPoint, std::string_view path) {
    if (mountPoint == "/") {
        return true;
    }
    return path.starts_with(mountPoint) && path.size() > mountPoint.size() &&
           path[mountPoint.size()] == '/';
}

// Fields: id, parent id, major:minor, root, mount point, options, optional fields ended
// by "-", then the file-system type. False when the line does not have that shape.
bool parseLine(std::string_view line, std::string& mountPoint, std::string_view& type) {
    const std::vector<std::string_view> fields = splitFields(line);
    if (fields.size() < 7) {
        return false;
    }
    for (std::size_t i = 6; i + 1 < fields.size(); ++i) {
        if (fields[i] == "-") {
            mountPoint = decodeMountinfoField(fields[4]);
            type = fields[i + 1];
            return true;
        }
    }
    return false;
}

}  // namespace

std::string decodeMountinfoField(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctalDigit(field[i + 1]) &&
            isOctalDigit(field[i + 2]) && isOctalDigit(field[i + 3])) {
            out += static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::string fileSystemTypeFor(std::string_view mountinfo, std::string_view path) {
    std::string bestType;
    std::size_t bestLength = 0;
    std::string mountPoint;
    while (!mountinfo.empty()) {
        const auto end = mountinfo.find('\n');
        const std::string_view line = mountinfo.substr(0, end);
        mountinfo.remove_prefix(end == std::string_view::npos ? mountinfo.size() : end + 1);
        std::string_view type;
        if (!parseLine(line, mountPoint, type) || !holds(mountPoint, path)) {
            continue;
        }
        if (mountPoint.size() >= bestLength) {  // ">=": a later mount on the same point is on top
            bestType = std::string(type);
            bestLength = mountPoint.size();
        }
    }
    return bestType;
}

}  // namespace movra::posix
