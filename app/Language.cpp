#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

namespace norvil {
namespace {

const QString kResources = QStringLiteral(":/i18n");

// Each translation says which way its language is written ("LTR" or "RTL"). Qt reads this entry
// itself as soon as the translation is installed and turns the application's layout direction.
[[maybe_unused]] const struct {
    const char* source;
    const char* comment;
} kLayoutDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

// An entry of LANGUAGE as Qt names a locale: "sr_RS.UTF-8@latin" becomes "sr_Latn_RS". (Qt
// itself reads the modifier as a territory, which would give Serbian users the Cyrillic letters.)
QString LocaleName(const QString& entry)
{
    const QString name = entry.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    const QString modifier = entry.section(QLatin1Char('@'), 1);
    const QString script = modifier == QLatin1String("latin") ? QStringLiteral("_Latn")
                           : modifier == QLatin1String("cyrillic") ? QStringLiteral("_Cyrl")
                                                                    : QString();
    if (script.isEmpty())
        return name;
    const QString territory = name.section(QLatin1Char('_'), 1);
    return name.section(QLatin1Char('_'), 0, 0) + script + (territory.isEmpty() ? QString() : QLatin1Char('_') + territory);
}

// The user's languages, most wanted first. LANGUAGE, a colon-separated list, comes first on
// every platform, so that a calling application can hand its own language on (Qt reads it on
// Linux alone); then the user's own, as the system gives them.
QStringList UserLanguages()
{
    QStringList languages;
    for (const QString& entry : qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        languages.append(LocaleName(entry));
    return languages + QLocale::system().uiLanguages();
}

// Which translation speaks to a user with these languages; empty for Japanese, which needs
// none. A translation serves its language in its script (simplified Chinese does not serve
// traditional); of two such, the one for the user's own country wins (pt_PT over pt_BR).
QString ChooseTranslation(const QStringList& uiLanguages, const QStringList& available)
{
    for (const QString& entry : uiLanguages) {
        if (entry == QLatin1String("C") || entry == QLatin1String("POSIX"))
            return {};
        const QLocale wanted(entry);
        if (wanted.language() == QLocale::Japanese)
            return {};
        QString chosen;
        for (const QString& name : available) {
            const QLocale offered(name);
            if (offered.language() != wanted.language() || offered.script() != wanted.script())
                continue;
            if (chosen.isEmpty() || offered.territory() == wanted.territory())
                chosen = name;
        }
        if (!chosen.isEmpty())
            return chosen;
    }
    return uiLanguages.isEmpty() ? QString() : QStringLiteral("en");
}

} // namespace

QStringList AvailableTranslations()
{
    QStringList names;
    for (const QString& file : QDir(kResources).entryList({QStringLiteral("norvil_*.qm")}))
        names.append(file.mid(7, file.size() - 10));
    return names;
}

QString UseUserLanguage()
{
    static const QString language = [] {
        const QString name = ChooseTranslation(UserLanguages(), AvailableTranslations());
        if (name.isEmpty())
            return QStringLiteral("ja");
        // Only the program's own texts: Qt's messages stay untranslated, and the transfer
        // recognises a status error by Qt's English wording.
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(QStringLiteral("norvil_") + name, kResources) || !QCoreApplication::installTranslator(translator))
            return QStringLiteral("ja");
        return name;
    }();
    return language;
}

} // namespace norvil
