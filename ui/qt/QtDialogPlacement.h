#pragma once

#include <QSize>

class QWidget;

// Sizes and places of the small dialogs, for Qt windows.
namespace QtDialogPlacement {

// The pixels of width × height dialog units in the widget's font. As the desktop's dialog templates measure
// them: a horizontal unit is a quarter of the average width of the 52 Latin letters (that width rounded as
// (width / 26 + 1) / 2), a vertical unit an eighth of the font's height.
QSize DialogUnitsToPixels(const QWidget& widget, int width, int height);

// Moves dialog, keeping its size, centred horizontally over the client area of mainWindow's window and
// above pixels (50 unless told) above its vertical centre (screen coordinates). Nothing without a main
// window.
void PlaceAboveMainWindowCentre(QWidget& dialog, const QWidget* mainWindow, int above = 50);
// The same, centred over the client area.
void PlaceOverMainWindowCentre(QWidget& dialog, const QWidget* mainWindow);

} // namespace QtDialogPlacement
