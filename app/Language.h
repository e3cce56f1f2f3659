#pragma once

#include <QString>
#include <QStringList>

namespace norvil {

// The translations the program carries, by name ("en", "de", "pt_BR", "zh_CN", ...).
QStringList AvailableTranslations();

// Which of them speaks to a user with these interface languages, most wanted first: the first
// language the program has. Japanese, the program's own language, needs none and gives an empty
// name; so does the C/POSIX locale (no language chosen) or no language at all. A user none of
// whose languages the program has gets English.
QString ChooseTranslation(const QStringList& uiLanguages, const QStringList& available);

// Installs the translation for the user's interface languages, once per process, and returns the
// language the window then speaks: "ja" or a translation's name.
QString UseUserLanguage();

} // namespace norvil
