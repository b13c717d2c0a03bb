// Any command line ends in one of three ways: one error line and exit code 0, help or
// version text, or a finished comparison; never a crash, never two messages.

#include "cli/driver.h"
#include "cli/run_settings.h"
#include "fuzz_support.h"
#include "platform/platform.h"

using namespace movra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScopedPlatformCalls restore;
    fuzz::installFakePlatform({u"/work/a", u"/work/b", u"/work/a/sub", u"/data", u"/"});
    platformCalls().listFolder = [](const std::u16string&) {
        return FolderListingResult{ListOutcome::Listed, {}};
    };
    platformCalls().folderIdentity = [](const std::u16string&) -> std::optional<FolderIdentity> {
        return std::nullopt;
    };
    runSettings() = RunSettings{};

    std::vector<std::u16string> arguments = fuzz::splitInput(data, size);
    if (size == 0) {
        arguments.clear();
    }
    const int exitCode = runMovra(arguments);

    const std::u16string& errors = fuzz::capturedErrors();
    const int errorLines = fuzz::errorWrites();
    if (exitCode != 0) {
        fuzz::fail("two empty trees cannot differ");
    }
    if (errorLines > 1) {
        fuzz::fail("more than one error line");
    }
    if (errorLines == 1 && (errors.back() != u'\n' || !fuzz::capturedOutput().empty())) {
        fuzz::fail("an error line must be the only output");
    }
    return 0;
}
