#include "QtWindowRaiser.h"

#include <QWidget>

namespace norvil {

void QtWindowRaiser::BringToTop(std::uintptr_t windowHandle)
{
    if (QWidget* window = QWidget::find(static_cast<WId>(windowHandle))) {
        window->raise();
        window->activateWindow();
    }
}

} // namespace norvil
