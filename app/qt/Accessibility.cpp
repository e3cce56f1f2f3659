#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace norvil {
namespace {

QAccessibleInterface* DialogFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("FormWindow") && object != nullptr && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    return nullptr;
}

} // namespace

void ExposeWindowAsDialog()
{
    static const bool installed = [] {
        QAccessible::installFactory(DialogFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace norvil
