#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace norvil {
namespace {

const QString kResources = QStringLiteral(":/i18n");

bool SameWrittenLanguage(const QLocale& a, const QLocale& b)
{
    // Brazilian Portuguese serves Portugal too; simplified Chinese does not serve traditional.
    return a.language() == b.language() && a.script() == b.script();
}

// The translations the program carries, by name ("en", "de", "pt_BR", "zh_CN", ...).
QStringList AvailableTranslations()
{
    QStringList names;
    for (const QString& file : QDir(kResources).entryList({QStringLiteral("norvil_*.qm")}))
        names.append(file.mid(7, file.size() - 10));
    return names;
}

// Which of them speaks to a user with these interface languages, most wanted first; empty for
// Japanese, which needs none.
QString ChooseTranslation(const QStringList& uiLanguages, const QStringList& available)
{
    for (const QString& entry : uiLanguages) {
        if (entry == QLatin1String("C") || entry == QLatin1String("POSIX"))
            return {};
        const QLocale wanted(entry);
        if (wanted.language() == QLocale::Japanese)
            return {};
        for (const QString& name : available) {
            if (SameWrittenLanguage(QLocale(name), wanted))
                return name;
        }
    }
    return uiLanguages.isEmpty() ? QString() : QStringLiteral("en");
}

} // namespace

QString UseUserLanguage()
{
    static const QString language = [] {
        const QString name = ChooseTranslation(QLocale::system().uiLanguages(), AvailableTranslations());
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
