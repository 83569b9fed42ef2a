#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QVariantAnimation;

// The pop-up that flashes a typed character: a borderless window that takes no input (clicks go through to
// whatever lies below), centred over the application's main window, with the character large and white on
// a dark tile. It fades in, stays a moment and fades out; a new character restarts it.
class TypedCharacterPopup : public QWidget {
    Q_OBJECT
public:
    explicit TypedCharacterPopup(QWidget* parent = nullptr);
    ~TypedCharacterPopup() override;

    // Shows text centred over over's window (the screen's centre without one).
    void Flash(const QString& text, const QWidget* over);

    QString Text() const { return m_text; }
    qreal Opacity() const { return m_opacity; }

    // Fade in, hold, fade out, in milliseconds.
    static constexpr int kFadeInMs = 120;
    static constexpr int kHoldMs = 350;
    static constexpr int kFadeOutMs = 380;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    qreal m_opacity = 0;
    QVariantAnimation* m_animation = nullptr;
};
