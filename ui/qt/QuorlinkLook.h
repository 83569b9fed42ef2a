#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

// The program's look: its icons (drawn here, so that they look the same on every desktop, with or without
// an icon theme), the caption font, the colours of the caption bars and the style of the buttons.
namespace QuorlinkLook {

enum class IconKind {
    Application,
    Configuration,
    Browser,
    Search,
    Close,
    Language,
    Save,
    Cancel,
    PrinterListTab,
    WLanTab,
    SettingsTab,
    Connect,
    Disconnect,
    FileOpen,
    SaveAsFile,
    FactoryReset,
    ToggleSet,
    ToggleClear,
};

QIcon Icon(IconKind kind);

// Bold, 14 pixels high, in Verdana when the system has it, else in the system's sans-serif face.
QFont CaptionFont();

// The colours of the caption bars' gradient, from left to right.
QColor CaptionDark();
QColor CaptionMiddle();
QColor CaptionLight();

// Style sheet of the main window: the buttons, list and group boxes.
QString WindowStyleSheet();

} // namespace QuorlinkLook
