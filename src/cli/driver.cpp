#include "cli/driver.h"

#include "cli/arguments.h"
#include "cli/comparison_run.h"
#include "cli/folder_argument.h"
#include "cli/run_settings.h"
#include "console/console_writer.h"
#include "console/messages.h"
#include "platform/platform.h"
#include "scan/name_order.h"

namespace movra {
namespace {

constexpr char versionBanner[] =
    " Movra 2.01 64bit (C) Movra developers - " __DATE__ " " __TIME__ " ";

enum class SingleArgumentForm { None, Help, Void, Version };

SingleArgumentForm singleArgumentForm(const std::vector<std::u16string>& arguments) {
    if (arguments.size() != 1) {
        return SingleArgumentForm::None;
    }
    if (equalsNoCase(arguments[0], u"/?")) {
        return SingleArgumentForm::Help;
    }
    if (equalsNoCase(arguments[0], u"/void")) {
        return SingleArgumentForm::Void;
    }
    if (equalsNoCase(arguments[0], u"/ver")) {
        return SingleArgumentForm::Version;
    }
    return SingleArgumentForm::None;
}

void answerSingleArgument(SingleArgumentForm form) {
    if (form == SingleArgumentForm::Help) {
        writeText(messageText(MessageId::msgHelp), false, false);
    } else if (form == SingleArgumentForm::Version) {
        std::string banner = "\n";
        banner += versionBanner;
        banner += '\n';
        platform::writeNarrowOutput(banner);
    }
}

std::optional<CommandLineError> parseAndCheck(const std::vector<std::u16string>& arguments,
                                              RunSettings& settings, ParsedCommandLine& parsed) {
    std::optional<CommandLineError> failure = parseArguments(arguments, settings, parsed);
    if (!failure) {
        failure = checkArguments(settings);
    }
    if (!failure) {
        failure = applyCompareMode(parsed, settings);
    }
    return failure;
}

// The checks on the pair of roots, after each has been normalised.
std::optional<CommandLineError> checkRoots(RunSettings& settings) {
    normalizeRoot(settings.sourceRoot);
    normalizeRoot(settings.targetRoot);
    if (platform::isSameFolder(settings.sourceRoot, settings.targetRoot)) {
        return CommandLineError{std::u16string(messageText(MessageId::msgSameFolder))};
    }
    if (settings.recurseSubfolders &&
        platform::rootsOverlap(settings.sourceRoot, settings.targetRoot)) {
        return CommandLineError{std::u16string(messageText(MessageId::msgOverlappedFolder))};
    }
    return std::nullopt;
}

// Times on file systems of different kinds may be kept at different resolutions (FAT
// keeps two seconds), so such a pair is allowed two seconds of slack.
void measureTimeTolerance(RunSettings& settings) {
    const std::u16string sourceKind = platform::fileSystemName(settings.sourceRoot);
    const std::u16string targetKind = platform::fileSystemName(settings.targetRoot);
    if (sourceKind != targetKind) {
        settings.timeToleranceSeconds = 2;
    }
}

int runChecked(const std::vector<std::u16string>& arguments) {
    RunSettings& settings = runSettings();
    setUpConsole();
    const SingleArgumentForm form = singleArgumentForm(arguments);
    if (form != SingleArgumentForm::None) {
        answerSingleArgument(form);
        return 0;
    }
    ParsedCommandLine parsed;
    std::optional<CommandLineError> failure = parseAndCheck(arguments, settings, parsed);
    if (!failure) {
        failure = checkRoots(settings);
    }
    if (failure) {
        writeText(failure->line, true, true);
        return 0;
    }
    const bool showClosingMessage =
        parsed.showClosingMessage && !settings.listFormat && !settings.quiet;
    measureTimeTolerance(settings);
    return runComparison(showClosingMessage);
}

}  // namespace

int runMovra(const std::vector<std::u16string>& arguments) {
    const int exitCode = runChecked(arguments);
    platform::flushOutput();
    return exitCode;
}

}  // namespace movra
