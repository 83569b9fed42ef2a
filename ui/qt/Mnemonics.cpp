#include "ui/qt/Mnemonics.h"

#include <QAbstractButton>
#include <QHash>
#include <QLabel>
#include <QSet>
#include <QTabBar>
#include <QWidget>

#include <functional>

namespace Mnemonics {

namespace {

// A character that Alt and a key on the keyboard can give: letters and digits of alphabetic scripts.
bool Typeable(QChar ch) {
    return ch.isLetterOrNumber() && ch.unicode() < 0x2E80;
}

// Whether the keyboard reaches widget by Tab: only those get keys (read-only details reached by the mouse
// do not use up letters that the window's controls need).
bool InTabOrder(const QWidget* widget) {
    const QWidget* target = widget->focusProxy() ? widget->focusProxy() : widget;
    return (target->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// The controls that carry keys: buttons with a text (not the tabs' own) and labels whose buddy is in the
// Tab order.
QList<QWidget*> Carriers(QWidget* root) {
    QList<QWidget*> carriers;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (!button->text().isEmpty() && !qobject_cast<QTabBar*>(button->parentWidget()))
                carriers << widget;
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->buddy() && InTabOrder(label->buddy()) && label->textFormat() != Qt::RichText &&
                !label->text().isEmpty())
                carriers << widget;
        }
    }
    return carriers;
}

QString TextOf(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    return static_cast<const QLabel*>(widget)->text();
}

void SetTextOf(QWidget* widget, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else
        static_cast<QLabel*>(widget)->setText(text);
}

// plain (no marks) with a mark before the first free key: a word's first letter first, then any letter.
QString Marked(const QString& plain, QSet<QChar>& used) {
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < plain.size(); ++i) {
            const QChar ch = plain[i];
            const bool wordStart = i == 0 || !plain[i - 1].isLetterOrNumber();
            if (!Typeable(ch) || (pass == 0 && !wordStart) || used.contains(ch.toLower()))
                continue;
            used.insert(ch.toLower());
            QString marked = plain;
            marked.replace(QLatin1Char('&'), QStringLiteral("&&"));
            // Ampersands before i were doubled: find i's place in the escaped text.
            int at = 0;
            for (int j = 0; j < i; ++j)
                at += plain[j] == QLatin1Char('&') ? 2 : 1;
            marked.insert(at, QLatin1Char('&'));
            return marked;
        }
    }
    QString escaped = plain;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

QChar KeyOf(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

QString Strip(const QString& text) {
    QString plain;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

namespace {

// The places in plain where a key may go, best first: the first letters of words, then the others.
QList<int> Candidates(const QString& plain) {
    QList<int> starts;
    QList<int> others;
    for (int i = 0; i < plain.size(); ++i) {
        if (!Typeable(plain[i]))
            continue;
        (i == 0 || !plain[i - 1].isLetterOrNumber() ? starts : others) << i;
    }
    return starts + others;
}

// plain with a mark before position at.
QString MarkedAt(const QString& plain, int at) {
    QString marked;
    for (int i = 0; i < plain.size(); ++i) {
        if (i == at)
            marked += QLatin1Char('&');
        marked += plain[i];
        if (plain[i] == QLatin1Char('&'))
            marked += QLatin1Char('&');
    }
    return marked;
}

} // namespace

void Assign(QWidget* root) {
    // The most controls get a key (a matching of controls to letters, found by augmenting paths); each
    // takes its best free letter, and a key a text already has is tried first.
    const QList<QWidget*> carriers = Carriers(root);
    QList<QString> plains;
    QList<QList<int>> candidates;
    for (QWidget* widget : carriers) {
        const QString text = TextOf(widget);
        const QString plain = Strip(text);
        QList<int> places = Candidates(plain);
        const QChar key = KeyOf(text);
        if (!key.isNull()) {
            for (int k = 0; k < places.size(); ++k)
                if (plain[places[k]].toLower() == key) {
                    places.move(k, 0);
                    break;
                }
        }
        plains << plain;
        candidates << places;
    }
    QHash<QChar, int> owner;                // letter -> control
    QList<int> chosen(carriers.size(), -1); // control -> place in its text
    std::function<bool(int, QSet<QChar>&)> augment = [&](int control, QSet<QChar>& seen) {
        for (int place : candidates[control]) {
            const QChar letter = plains[control][place].toLower();
            if (seen.contains(letter))
                continue;
            seen.insert(letter);
            const auto it = owner.find(letter);
            if (it == owner.end() || augment(it.value(), seen)) {
                owner[letter] = control;
                chosen[control] = place;
                return true;
            }
        }
        return false;
    };
    for (int control = 0; control < carriers.size(); ++control) {
        QSet<QChar> seen;
        augment(control, seen);
    }
    for (int control = 0; control < carriers.size(); ++control) {
        const QString marked =
            chosen[control] < 0 ? MarkedAt(plains[control], -1) : MarkedAt(plains[control], chosen[control]);
        if (TextOf(carriers[control]) != marked)
            SetTextOf(carriers[control], marked);
    }
}

void SetText(QAbstractButton* button, const QString& text, QWidget* root) {
    QSet<QChar> used;
    for (QWidget* widget : Carriers(root))
        if (widget != button)
            if (const QChar key = KeyOf(TextOf(widget)); !key.isNull())
                used.insert(key);
    // The button keeps its key where the new text has it free.
    const QChar old = KeyOf(button->text());
    const QString plain = Strip(text);
    if (!old.isNull() && !used.contains(old)) {
        for (int i = 0; i < plain.size(); ++i) {
            if (plain[i].toLower() == old && Typeable(plain[i])) {
                // Marks the first occurrence of the old key.
                QString marked = plain;
                marked.replace(QLatin1Char('&'), QStringLiteral("&&"));
                int at = 0;
                for (int j = 0; j < i; ++j)
                    at += plain[j] == QLatin1Char('&') ? 2 : 1;
                marked.insert(at, QLatin1Char('&'));
                if (button->text() != marked)
                    button->setText(marked);
                return;
            }
        }
    }
    const QString marked = Marked(plain, used);
    if (button->text() != marked)
        button->setText(marked);
}

} // namespace Mnemonics
