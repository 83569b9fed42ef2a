#pragma once

#include <QChar>
#include <QString>

class QAbstractButton;
class QWidget;

// Mnemonics ("&" keys: Alt+letter) for the buttons and labelled fields of a window or of a page of one,
// chosen from each text in the current language, so that no two shown together share a key in any
// language. A label's key goes to its buddy. Texts without a letter one can type with Alt (Chinese,
// Japanese, Korean) keep no key.
namespace Mnemonics {

// Gives every button and buddy label under root a key that no other of them has; a key a text already has
// stays unless one before it took it.
void Assign(QWidget* root);

// Sets button's text with a key that the other controls under root do not use (for a button whose text
// changes while the window is open).
void SetText(QAbstractButton* button, const QString& text, QWidget* root);

// The key of text (lower case), or a null QChar.
QChar KeyOf(const QString& text);

// text without its "&" marks ("&&" reads "&").
QString Strip(const QString& text);

} // namespace Mnemonics
