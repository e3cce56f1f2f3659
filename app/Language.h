#pragma once

#include <QString>
#include <QStringList>

namespace norvil {

// Installs the translation for the user's interface languages, once per process, and returns the
// language the window then speaks: "ja" or a translation's name. The first of the user's
// languages that the program has decides; Japanese, the program's own language, the C/POSIX
// locale (no language chosen) or no language at all keep the source texts. A user none of whose
// languages the program has gets English. The translation also says which way its language is
// written: Qt then lays the application out right to left for Arabic, Hebrew, Persian, Uyghur.
QString UseUserLanguage();

// The translations the program carries, by name ("en", "de", "pt_BR", "zh_TW", "sr_Latn", ...).
QStringList AvailableTranslations();

} // namespace norvil
