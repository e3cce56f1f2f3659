#pragma once

namespace norvil {

// Screen readers meet the window as a dialog named after its title, as they meet a message box,
// rather than as an anonymous pane. Safe to call more than once.
void ExposeWindowAsDialog();

} // namespace norvil
