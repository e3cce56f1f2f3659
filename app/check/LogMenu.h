#pragma once

#include <string>

namespace norvil {

// The entries of the log box's right-click menu, which speaks the window's language like the
// rest of the window (the toolkit's own words would be in another).
enum class LogMenuEntry { Undo, Redo, Cut, Copy, Paste, Delete, SelectAll };

// The entry's words, "&" before its access key.
std::u16string LogMenuText(LogMenuEntry entry);

} // namespace norvil
