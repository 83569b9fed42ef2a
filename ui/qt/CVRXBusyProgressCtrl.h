#pragma once

#include "ui/BusyProgressControl.h"

#include <QPixmap>
#include <QWidget>

#include <cstdint>

class QLabel;

// The busy indicator's window: paints what its BusyProgressControl plans, through an off-screen pixmap
// that is kept between paints and made anew after a size change. The animation thread of the control asks
// for repaints, which are posted to this widget's thread. Background colour 1 follows the palette's button
// colour while the control uses the system colour. It reads as an animation that is busy while it runs,
// and tells assistive technology when it starts and stops.
class CVRXBusyProgressCtrl : public QWidget {
    Q_OBJECT
public:
    CVRXBusyProgressCtrl(int numberOfBlocks, int position, QWidget* parent = nullptr);
    // Stops the animation before anything of the widget goes.
    ~CVRXBusyProgressCtrl() override;

    // Takes the place of a placeholder label of a dialog (its parent, geometry, place in a layout, name and
    // text as the accessible name); the label is deleted.
    static CVRXBusyProgressCtrl* TakeOver(QLabel* placeholder, int numberOfBlocks, int position);

    // The operations of the indicator (0x401..0x414 by number through Dispatch).
    BusyProgressControl& Control() { return m_control; }
    const BusyProgressControl& Control() const { return m_control; }
    int Dispatch(int message, std::intptr_t first = 0, std::intptr_t second = 0) {
        return m_control.Dispatch(message, first, second);
    }

    // How often the off-screen pixmap was made.
    int PixmapBuilds() const { return m_nPixmapBuilds; }

    QSize sizeHint() const override { return {200, 20}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void RequestRepaint();
    void ReportRunning();

    BusyProgressControl m_control;
    QPixmap m_pixmap;
    int m_nPixmapBuilds = 0;
    bool m_bReportedRunning = false;
};
