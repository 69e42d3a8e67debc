#include "numeric_keys.h"

namespace core {

KeyVerdict numericKeyVerdict(int keyCode) {
    constexpr int backspace = 8;
    constexpr int enter = 13;
    if (keyCode == backspace) {
        return KeyVerdict::Type;
    }
    if (keyCode == enter) {
        return KeyVerdict::MoveFocus;
    }
    if (keyCode < '0' || keyCode > '9') {
        return KeyVerdict::Refuse;
    }
    return KeyVerdict::Type;
}

} // namespace core
