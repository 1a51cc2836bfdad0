#include "app/windows/window_placement.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace app {

void centreOnOwner(QWidget* window) {
    QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect avail = screen->availableGeometry();
    const QRect around = owner && owner->isVisible() ? owner->frameGeometry() : avail;
    QSize size = window->frameGeometry().size();
    if (!window->isVisible()) size = window->size() + QSize(2, 30);
    QPoint topLeft = around.center() - QPoint(size.width() / 2, size.height() / 2);
    topLeft.setX(std::clamp(topLeft.x(), avail.left(), std::max(avail.left(), avail.right() - size.width())));
    topLeft.setY(std::clamp(topLeft.y(), avail.top(), std::max(avail.top(), avail.bottom() - size.height())));
    window->move(topLeft);
}

}  // namespace app
