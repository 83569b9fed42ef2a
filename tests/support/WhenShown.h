#pragma once

#include <QDialog>
#include <QTimer>

#include <functional>

// Runs step on the dialog's modal loop once the dialog is up.
inline void WhenShown(QDialog& dialog, std::function<void()> step) {
    auto* poll = new QTimer(&dialog);
    QObject::connect(poll, &QTimer::timeout, &dialog, [poll, &dialog, step] {
        if (!dialog.isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        step();
    });
    poll->start(5);
}
