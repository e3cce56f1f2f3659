#pragma once

#include <QString>

namespace norvil {

// Installs the translation for the user's interface languages, once per process, and returns the
// language the window then speaks: "ja" or a translation's name. The first of the user's
// languages that the program has decides; Japanese, the program's own language, the C/POSIX
// locale (no language chosen) or no language at all keep the source texts. A user none of whose
// languages the program has gets English.
QString UseUserLanguage();

} // namespace norvil
