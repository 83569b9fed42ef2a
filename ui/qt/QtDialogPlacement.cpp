#include "ui/qt/QtDialogPlacement.h"

#include "ui/DialogGeometry.h"

#include <QFontMetrics>
#include <QWidget>

namespace QtDialogPlacement {

QSize DialogUnitsToPixels(const QWidget& widget, int width, int height) {
    const QFontMetrics metrics(widget.font());
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int averageCharWidth = (letters / 26 + 1) / 2;
    const auto pixels =
        DialogGeometry::DialogUnitsToPixels({width, height}, averageCharWidth, metrics.height());
    return {pixels.width, pixels.height};
}

void PlaceAboveMainWindowCentre(QWidget& dialog, const QWidget* mainWindow, int above) {
    if (!mainWindow)
        return;
    const QWidget* window = mainWindow->window();
    const QPoint clientTopLeft = window->mapToGlobal(QPoint(0, 0));
    const auto place = DialogGeometry::CentredAboveMainWindow({clientTopLeft.x(), clientTopLeft.y()},
                                                              {window->width(), window->height()},
                                                              {dialog.width(), dialog.height()}, above);
    dialog.move(place.x, place.y);
}

void PlaceOverMainWindowCentre(QWidget& dialog, const QWidget* mainWindow) {
    if (!mainWindow)
        return;
    const QWidget* window = mainWindow->window();
    const QPoint clientTopLeft = window->mapToGlobal(QPoint(0, 0));
    const auto place = DialogGeometry::CentredOverMainWindow({clientTopLeft.x(), clientTopLeft.y()},
                                                             {window->width(), window->height()},
                                                             {dialog.width(), dialog.height()});
    dialog.move(place.x, place.y);
}

} // namespace QtDialogPlacement
