// One keypress from the console, without echo and without waiting for Enter.
#include <conio.h>
#include <wchar.h>

#include "platform/win32/win32_layer.h"

namespace movra::win32 {

int readKeyCode() {
    // With no console to read from (a service, or a process started without one)
    // _getwch gives WEOF at once instead of a key.
    const wint_t code = _getwch();
    if (code == WEOF) {
        return -1;
    }
    return static_cast<int>(code);
}

}  // namespace movra::win32
