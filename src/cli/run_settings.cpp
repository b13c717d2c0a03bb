#include "cli/run_settings.h"

namespace movra {

RunSettings& runSettings() {
    static RunSettings settings;
    return settings;
}

}  // namespace movra
