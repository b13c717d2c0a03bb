#include "cli/arguments.h"

#include <array>
#include <utility>

#include "cli/folder_argument.h"
#include "console/messages.h"
#include "platform/platform.h"
#include "scan/name_order.h"

namespace movra {
namespace {

CommandLineError error(std::u16string_view prefix, MessageId id) {
    std::u16string line(prefix);
    line += messageText(id);
    return CommandLineError{std::move(line)};
}

// The plain switches, in the order they are matched.
struct Switch {
    std::u16string_view option;
    bool RunSettings::*field;
};
constexpr std::array<Switch, 10> kSwitches = {{
    {u"/d", &RunSettings::compareFolderExistence},
    {u"/f", &RunSettings::fixNameCase},
    {u"/h", &RunSettings::includeHiddenSystem},
    {u"/l", &RunSettings::listFormat},
    {u"/p", &RunSettings::pauseOnDifferences},
    {u"/q", &RunSettings::quiet},
    {u"/s", &RunSettings::recurseSubfolders},
    {u"/t", &RunSettings::includeCreationTime},
    {u"/v", &RunSettings::verbose},
    {u"/w", &RunSettings::showWorkingFolder},
}};

// What each /c letter compares besides the name, which is always compared.
struct CompareMode {
    char16_t letter;
    bool size;
    bool dateTime;
    bool attributes;
    bool content;
};
constexpr std::array<CompareMode, 6> kCompareModes = {{
    {u'a', true, true, true, false},
    {u'c', true, false, false, true},
    {u'd', true, true, false, false},
    {u'e', true, true, false, true},
    {u'f', true, true, true, true},
    {u'n', false, false, false, false},
}};

bool isCompareModeLetter(char16_t letter) {
    for (const CompareMode& mode : kCompareModes) {
        if (mode.letter == letter) {
            return true;
        }
    }
    return false;
}

// Sets the matching switch and returns true, or returns false for anything else.
bool applySwitch(const std::u16string& argument, RunSettings& settings, ParsedCommandLine& parsed) {
    if (equalsNoCase(argument, u"/n")) {
        parsed.showClosingMessage = false;
        return true;
    }
    for (const Switch& s : kSwitches) {
        if (equalsNoCase(argument, s.option)) {
            settings.*(s.field) = true;
            return true;
        }
    }
    return false;
}

// On POSIX an absolute path starts with "/": it is taken as a path when it has a second
// "/" or names something that exists, so a mistyped option is still reported as one.
bool slashStartsAPath(const std::u16string& argument) {
    if (!pathRules().slashMayStartAPath) {
        return false;
    }
    return argument.find(u'/', 1) != std::u16string::npos || platform::pathExists(argument);
}

bool hasRefusedCharacter(const std::u16string& argument) {
    const std::u16string_view refused =
        pathRules().slashRefusedInPaths ? std::u16string_view(u"<>|/\"") : u"<>|\"";
    return argument.find_first_of(refused) != std::u16string::npos;
}

std::optional<CommandLineError> parseFolderArgument(const std::u16string& argument,
                                                    RunSettings& settings) {
    const bool bothSet = !settings.sourceRoot.empty() && !settings.targetRoot.empty();
    if ((argument[0] == u'/' && !slashStartsAPath(argument)) || bothSet) {
        return error(argument, MessageId::msgParameterInvalid);
    }
    if (hasRefusedCharacter(argument)) {
        return error(argument, MessageId::msgInvalidName);
    }
    FolderArgumentResult resolved = resolveFolderArgument(argument);
    if (resolved.error) {
        return resolved.error;
    }
    (settings.sourceRoot.empty() ? settings.sourceRoot : settings.targetRoot) =
        std::move(resolved.fullPath);
    return std::nullopt;
}

std::optional<CommandLineError> parseCompareMode(const std::u16string& argument,
                                                 ParsedCommandLine& parsed) {
    if (parsed.compareModeLetter) {
        return error(u"/c", MessageId::msgMoreThanOne);
    }
    // Only A-Z can lower to a mode letter, so folding them is all towlower would do here.
    const char16_t letter = foldLetter(argument[2]);
    if (!isCompareModeLetter(letter)) {
        return error(argument, MessageId::msgParameterInvalid);
    }
    parsed.compareModeLetter = letter;
    return std::nullopt;
}

}  // namespace

std::optional<CommandLineError> parseArguments(const std::vector<std::u16string>& arguments,
                                               RunSettings& settings, ParsedCommandLine& parsed) {
    for (const std::u16string& argument : arguments) {
        std::optional<CommandLineError> failure;
        if (argument.empty()) {
            failure = error(u"", MessageId::msgEmptyParameter);
        } else if (argument.size() == 3 && equalsNoCase(argument.substr(0, 2), u"/c")) {
            failure = parseCompareMode(argument, parsed);
        } else if (!applySwitch(argument, settings, parsed)) {
            failure = parseFolderArgument(argument, settings);
        }
        if (failure) {
            return failure;
        }
    }
    return std::nullopt;
}

std::optional<CommandLineError> checkArguments(const RunSettings& settings) {
    if (settings.compareFolderExistence && settings.recurseSubfolders) {
        return error(u"/d /s", MessageId::msgNotTogether);
    }
    if (settings.fixNameCase && settings.listFormat) {
        return error(u"/f /l", MessageId::msgNotTogether);
    }
    if (settings.quiet && settings.showWorkingFolder) {
        return error(u"/q /w", MessageId::msgNotTogether);
    }
    const int forms = int{settings.listFormat} + int{settings.quiet} + int{settings.verbose};
    if (forms > 1) {
        return error(u"/l /q /v", MessageId::msgNotTogether);
    }
    if (settings.sourceRoot.empty()) {
        return error(u"", MessageId::msgNoSourceAndTarget);
    }
    if (settings.targetRoot.empty()) {
        return error(u"", MessageId::msgNoTarget);
    }
    return std::nullopt;
}

std::optional<CommandLineError> applyCompareMode(const ParsedCommandLine& parsed,
                                                 RunSettings& settings) {
    const char16_t letter = parsed.compareModeLetter.value_or(u'd');
    for (const CompareMode& mode : kCompareModes) {
        if (mode.letter == letter) {
            settings.compareSize = mode.size;
            settings.compareDateTime = mode.dateTime;
            settings.compareAttributes = mode.attributes;
            settings.compareContent = mode.content;
        }
    }
    if (settings.includeCreationTime && !settings.compareDateTime) {
        return error(u"", MessageId::msgTimeWithoutDate);
    }
    return std::nullopt;
}

}  // namespace movra
