#include <vector>

#include "compare/entry_comparer.h"
#include "report/difference_report.h"
#include "scan/folder_comparer.h"
#include "scan/name_order.h"

namespace movra {
namespace {

using Entries = std::vector<FolderEntry>;

struct PairingWalk {
    const Entries& source;
    const Entries& target;
    const std::u16string& subPath;
    bool isFolder;
    std::vector<bool> targetPaired;
    bool equal = true;

    void pair(std::size_t s, std::size_t t) {
        targetPaired[t] = true;
        if (!EntryComparer(source[s], target[t], subPath, isFolder)) {
            equal = false;
        }
    }

    void reportOneSided(std::u16string_view kind, const FolderEntry& entry) {
        DifferenceReport({kind, entry.name, u"", subPath, isFolder});
        equal = false;
    }

    // End of the run of names equal (ignoring case) to entries[from].
    static std::size_t runEnd(const Entries& entries, std::size_t from) {
        std::size_t end = from + 1;
        while (end < entries.size() &&
               CompareNamesNoCase(entries[from].name, entries[end].name) == 0) {
            ++end;
        }
        return end;
    }

    // Case twins (README, readme) on both sides: exact spellings pair first, the rest in
    // sorted order, so identical trees never report differences. Both runs are sorted by
    // exact code units, so the exact matches fall out of one merge.
    void pairRun(std::size_t s0, std::size_t s1, std::size_t t0, std::size_t t1) {
        std::vector<std::size_t> partner(s1 - s0, target.size());
        for (std::size_t s = s0, t = t0; s < s1 && t < t1;) {
            if (source[s].name == target[t].name) {
                partner[s - s0] = t;
                targetPaired[t] = true;
                ++s;
                ++t;
            } else if (source[s].name < target[t].name) {
                ++s;
            } else {
                ++t;
            }
        }
        std::size_t nextFree = t0;
        for (std::size_t s = s0; s < s1; ++s) {
            std::size_t& t = partner[s - s0];
            if (t == target.size()) {
                while (nextFree < t1 && targetPaired[nextFree]) {
                    ++nextFree;
                }
                if (nextFree < t1) {
                    t = nextFree;
                    targetPaired[t] = true;
                }
            }
        }
        for (std::size_t s = s0; s < s1; ++s) {
            const std::size_t t = partner[s - s0];
            if (t == target.size()) {
                reportOneSided(u"Source Only:", source[s]);
            } else {
                pair(s, t);
            }
        }
    }

    void sourcePass() {
        std::size_t s = 0;
        std::size_t t = 0;
        while (s < source.size()) {
            const int order =
                t < target.size() ? CompareNamesNoCase(source[s].name, target[t].name) : -1;
            if (order < 0) {
                reportOneSided(u"Source Only:", source[s]);
                ++s;
            } else if (order > 0) {
                ++t;
            } else {
                const std::size_t sEnd = runEnd(source, s);
                const std::size_t tEnd = runEnd(target, t);
                if (sEnd - s == 1 && tEnd - t == 1) {
                    pair(s, t);
                } else {
                    pairRun(s, sEnd, t, tEnd);
                }
                s = sEnd;
                t = tEnd;
            }
        }
    }

    void targetPass() {
        for (std::size_t t = 0; t < target.size(); ++t) {
            if (!targetPaired[t]) {
                reportOneSided(u"Target Only:", target[t]);
            }
        }
    }
};

}  // namespace

bool PairEntries(const Entries& source, const Entries& target, const std::u16string& subPath,
                 bool isFolder) {
    PairingWalk walk{source, target, subPath, isFolder, std::vector<bool>(target.size()), true};
    walk.sourcePass();
    walk.targetPass();
    return walk.equal;
}

}  // namespace movra
