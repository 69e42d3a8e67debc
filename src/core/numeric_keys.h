#pragma once

namespace core {

// What a numeric box does with a typed key code: digits and Backspace (8) are typed, Enter
// (13) moves the focus on and is swallowed, anything else beeps and is swallowed.
enum class KeyVerdict { Type, MoveFocus, Refuse };
KeyVerdict numericKeyVerdict(int keyCode);

} // namespace core
