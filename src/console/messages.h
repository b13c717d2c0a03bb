// Every fixed message of the tool, in Japanese and in English.
#pragma once

#include <string_view>

namespace movra {

enum class MessageId {
    msgHelp,
    msgParameterInvalid,
    msgEmptyParameter,
    msgNotTogether,
    msgMoreThanOne,
    msgTimeWithoutDate,
    msgNoSourceAndTarget,
    msgNoTarget,
    msgInvalidName,
    msgNotAFolder,
    msgFolderNotFound,
    msgSameFolder,
    msgOverlappedFolder,
    msgCannotOpenFile,
    msgNoDifferences,
    msgPause,
    msgCannotListFolder,
    count,
};

// Index 0 is the Japanese text, index 1 the English text.
struct MessagePair {
    std::u16string_view text[2];
};

// The message's text in the run's language (RunSettings::languageIndex).
std::u16string_view messageText(MessageId id);

}  // namespace movra
