#pragma once

#include <QIcon>
#include <QPoint>
#include <QWidget>

// A caption bar drawn by the program: a gradient with the maker's name "HALDA" on it and one line of bold
// text. A title bar (the window's top bar) also shows the program icon and moves the window when the
// user drags it.
class CaptionBar : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Title, Notice };

    explicit CaptionBar(Kind kind, QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const { return m_text; }
    void SetIcon(const QIcon& icon);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Kind m_kind;
    QString m_text;
    QIcon m_icon;
    bool m_bDragging = false;
    QPoint m_dragOffset; // from the window's top left corner to the mouse, in global coordinates
};
