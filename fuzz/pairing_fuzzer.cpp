// Pairing invariants over arbitrary listings: every entry of both sides is reported
// exactly once, as part of a pair or as one-sided; source entries come first in listing
// order, then the unpaired target entries in theirs; partners are equal ignoring case;
// a name spelled exactly alike on both sides always pairs with itself.
#include <algorithm>
#include <set>

#include "cli/run_settings.h"
#include "fuzz_support.h"
#include "scan/folder_comparer.h"
#include "scan/folder_listing.h"
#include "scan/name_order.h"

using namespace movra;

namespace {

// A small alphabet, so that names collide and case twins are common.
constexpr char16_t kAlphabet[] = u"aAbB_~[\u00e9\u00c9\uff5a\uff3a";

std::vector<FolderEntry> listingOf(const std::vector<std::u16string>& parts, int side) {
    std::set<std::u16string> names;
    for (const std::u16string& part : parts) {
        if (part.size() < 2 || (part[0] & 1) != side) {
            continue;
        }
        std::u16string name;
        for (std::size_t i = 1; i < part.size() && i < 6; ++i) {
            name += kAlphabet[part[i] % (std::size(kAlphabet) - 1)];
        }
        names.insert(name);
    }
    std::vector<FolderEntry> entries;
    for (const std::u16string& name : names) {
        FolderEntry entry;
        entry.name = name;
        entry.size = side;  // every pair differs in size, so every pair is printed
        entries.push_back(entry);
    }
    FolderListing listing;
    fillListing(std::move(entries), true, listing);
    return listing.files;
}

std::vector<std::u16string> lines(const std::u16string& text) {
    std::vector<std::u16string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(u'\n', start)) != std::u16string::npos;
         start = end + 1) {
        result.push_back(text.substr(start, end - start));
    }
    return result;
}

struct Report {
    std::vector<std::pair<std::u16string, std::u16string>> pairs;  // source, target
    std::vector<std::u16string> sourceOrder;                       // every source entry
    std::vector<std::u16string> targetOnly;
};

// Reads the verbose normal form: "Different:   s (Name)(Size)" + "             s - t" + sizes.
Report parse(const std::vector<std::u16string>& output) {
    Report report;
    for (std::size_t i = 0; i < output.size(); ++i) {
        const std::u16string& line = output[i];
        const std::u16string rest = line.substr(13);
        if (line.starts_with(u"Source Only:")) {
            if (!report.targetOnly.empty()) {
                fuzz::fail("a source-only entry after the target-only ones");
            }
            report.sourceOrder.push_back(rest);
        } else if (line.starts_with(u"Target Only:")) {
            report.targetOnly.push_back(rest);
        } else if (line.starts_with(u"Different:")) {
            const std::u16string source = rest.substr(0, rest.find(u' '));
            std::u16string target = source;
            if (rest.find(u"(Name)") != std::u16string::npos) {
                const std::u16string value = output[++i].substr(13);
                target = value.substr(value.find(u" - ") + 3);
            }
            ++i;  // the size line
            report.sourceOrder.push_back(source);
            report.pairs.emplace_back(source, target);
        }
    }
    return report;
}

std::vector<std::u16string> namesOf(const std::vector<FolderEntry>& entries) {
    std::vector<std::u16string> names;
    for (const FolderEntry& e : entries) {
        names.push_back(e.name);
    }
    return names;
}

void check(const std::vector<FolderEntry>& source, const std::vector<FolderEntry>& target,
           const Report& report) {
    if (report.sourceOrder != namesOf(source)) {
        fuzz::fail("source entries not reported once each in listing order");
    }
    std::vector<std::u16string> targetSeen = report.targetOnly;
    for (const auto& [s, t] : report.pairs) {
        if (CompareNamesNoCase(s, t) != 0) {
            fuzz::fail("partners differ beyond letter case");
        }
        targetSeen.push_back(t);
    }
    std::vector<std::u16string> expected = namesOf(target);
    std::sort(targetSeen.begin(), targetSeen.end());
    std::sort(expected.begin(), expected.end());
    if (targetSeen != expected) {
        fuzz::fail("target entries not reported once each");
    }
    std::vector<std::u16string> only = report.targetOnly;
    if (!std::is_sorted(only.begin(), only.end(),
                        [](const auto& a, const auto& b) { return sortsBefore(a, b); })) {
        fuzz::fail("target-only entries out of listing order");
    }
    for (const auto& [s, t] : report.pairs) {
        const bool exactTargetExists = std::count(expected.begin(), expected.end(), s) == 1;
        if (exactTargetExists && s != t) {
            fuzz::fail("an exact spelling on both sides did not pair with itself");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScopedPlatformCalls restore;
    fuzz::installFakePlatform({});
    runSettings() = RunSettings{};
    runSettings().languageIndex = 1;
    runSettings().verbose = true;

    const std::vector<std::u16string> parts = fuzz::splitInput(data, size);
    const std::vector<FolderEntry> source = listingOf(parts, 0);
    const std::vector<FolderEntry> target = listingOf(parts, 1);
    const bool equal = PairEntries(source, target, u"", false);
    if (equal != (source.empty() && target.empty())) {
        fuzz::fail("the result disagrees with what was reported");
    }
    check(source, target, parse(lines(fuzz::capturedOutput())));
    return 0;
}
