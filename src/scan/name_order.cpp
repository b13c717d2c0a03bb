#include "scan/name_order.h"

namespace movra {

int CompareNamesNoCase(std::u16string_view a, std::u16string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const int diff = static_cast<int>(foldLetter(a[i])) - static_cast<int>(foldLetter(b[i]));
        if (diff != 0) {
            return diff;
        }
    }
    // The shorter name ends first: its terminator (zero) sorts before any code unit.
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

bool equalsNoCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && CompareNamesNoCase(a, b) == 0;
}

bool sortsBefore(std::u16string_view a, std::u16string_view b) {
    const int order = CompareNamesNoCase(a, b);
    if (order != 0) {
        return order < 0;
    }
    return a < b;
}

}  // namespace movra
