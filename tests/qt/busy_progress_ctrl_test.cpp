#include "ui/qt/CVRXBusyProgressCtrl.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QThread>
#include <QVBoxLayout>
#include <QtTest>

#include <atomic>

namespace {

using Model = BusyProgressModel;

QColor ToQt(Model::Color color) {
    return QColor(color.red, color.green, color.blue);
}

QImage Shot(QWidget& widget) {
    return widget.grab().toImage();
}

// Counts the paint events of a widget and on which thread they came.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;
    bool offThread = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            offThread |= QThread::currentThread() != qApp->thread();
        }
        return false;
    }
};

// 20 blocks of 14 pixels one pixel apart on 300 × 20.
void MakeBusy(CVRXBusyProgressCtrl& control, int type, int fill) {
    control.resize(300, 20);
    auto& c = control.Control();
    c.SetNumberOfBlocks(20);
    c.SetGap(1);
    c.SetGranularity(5);
    c.SetMode(Model::kModeBusy);
    c.SetBusyFill(fill);
    c.SetBusyType(type);
    c.Reset();
}

} // namespace

class BusyProgressCtrlTest : public QObject {
    Q_OBJECT
private slots:
    void paintsBlocksHighlightAndBackgroundInTheirColours() {
        CVRXBusyProgressCtrl control(10, 0);
        MakeBusy(control, Model::kTypeBounce, Model::kFillOneBlock);
        control.Control().SetPosition(3);
        control.Control().SetColor(5, {0x10, 0x20, 0x30}); // apart from the normal border
        const auto state = control.Control().Snapshot();
        const QImage image = Shot(control);
        QCOMPARE(image.pixelColor(7, 10), ToQt(state.GetColor(2)));                    // inside block 0
        QCOMPARE(image.pixelColor(0, 10), ToQt(state.GetColor(3)));                    // its left border
        QCOMPARE(image.pixelColor(13, 0), ToQt(state.GetColor(3)));                    // its top right corner
        QCOMPARE(image.pixelColor(14, 10), control.palette().color(QPalette::Button)); // the gap
        QCOMPARE(image.pixelColor(45, 10), ToQt(state.GetColor(5)));                   // block 3's border
        QCOMPARE(image.pixelColor(52, 10), ToQt(state.GetColor(4)));                   // block 3 inside
        QCOMPARE(image.pixelColor(299, 10), control.palette().color(QPalette::Button)); // past block 19
    }

    void paintsThePartlyFilledBlock() {
        CVRXBusyProgressCtrl control(10, 0);
        MakeBusy(control, Model::kTypeWrap, Model::kFillGrowing);
        control.Control().SetPosition(22); // blocks 0..3 and 5 pixels of block 4 (60..73)
        const auto state = control.Control().Snapshot();
        const QImage image = Shot(control);
        QCOMPARE(image.pixelColor(52, 10), ToQt(state.GetColor(4)));
        QCOMPARE(image.pixelColor(60, 10), ToQt(state.GetColor(3)));
        for (int x = 61; x <= 65; ++x)
            QCOMPARE(image.pixelColor(x, 10), ToQt(state.GetColor(4)));
        QCOMPARE(image.pixelColor(66, 10), ToQt(state.GetColor(2)));
        QCOMPARE(image.pixelColor(62, 0), ToQt(state.GetColor(3))); // the fill leaves the border alone
    }

    void keepsThePixmapBetweenPaintsAndMakesItAnewAfterAResize() {
        CVRXBusyProgressCtrl control(10, 0);
        MakeBusy(control, Model::kTypeBounce, Model::kFillOneBlock);
        Shot(control);
        control.Control().Step();
        Shot(control);
        QCOMPARE(control.PixmapBuilds(), 1);
        control.resize(120, 10);
        const QImage image = Shot(control);
        QCOMPARE(control.PixmapBuilds(), 2);
        QCOMPARE(image.size(), QSize(120, 10));
        // The blocks follow the new size: (120 - 20) / 20 = 5 pixels each.
        const auto state = control.Control().Snapshot();
        QCOMPARE(image.pixelColor(11, 5), control.palette().color(QPalette::Button));
        QCOMPARE(image.pixelColor(12, 5), ToQt(state.GetColor(3)));
    }

    void backgroundFollowsThePaletteWhileTheSystemColourIsUsed() {
        CVRXBusyProgressCtrl control(10, 0);
        MakeBusy(control, Model::kTypeBounce, Model::kFillOneBlock);
        QPalette palette = control.palette();
        palette.setColor(QPalette::Button, QColor(200, 10, 10));
        control.setPalette(palette);
        QCOMPARE(Shot(control).pixelColor(14, 10), QColor(200, 10, 10));

        QCOMPARE(control.Dispatch(0x414, 0), 1);
        QCOMPARE(control.Dispatch(0x40D, 0xFF0000), 1); // colour 1 blue (0x00BBGGRR)
        palette.setColor(QPalette::Button, QColor(10, 200, 10));
        control.setPalette(palette);
        QCOMPARE(Shot(control).pixelColor(14, 10), QColor(0, 0, 255));
    }

    void animationRepaintsOnTheWidgetsThreadUntilStopped() {
        CVRXBusyProgressCtrl control(10, 0);
        MakeBusy(control, Model::kTypeBounce, Model::kFillOneBlock);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        PaintCounter counter(&control);
        control.Control().SetSpeed(20);
        QCOMPARE(control.Dispatch(0x407), 1);
        QTRY_VERIFY_WITH_TIMEOUT(counter.paints >= 5, 3000);
        QVERIFY(!counter.offThread);
        QCOMPARE(control.Dispatch(0x408), 1);
        QVERIFY(!control.Control().IsRunning());
        QTest::qWait(50);
        const int paints = counter.paints;
        const int position = control.Control().Snapshot().Position();
        QTest::qWait(100);
        QCOMPARE(control.Control().Snapshot().Position(), position);
        QCOMPARE(counter.paints, paints);
    }

    void goesSafelyWhileAnimating() {
        QPointer<CVRXBusyProgressCtrl> control = new CVRXBusyProgressCtrl(20, 0);
        control->resize(300, 20);
        control->show();
        control->Control().SetSpeed(1);
        control->Control().Start();
        QTest::qWait(30);
        delete control;
        QTest::qWait(30); // repaints still queued for it must come to nothing
        QVERIFY(control.isNull());
    }

    void takesOverAPlaceholderLabel() {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* label = new QLabel(QStringLiteral("Search for"), &dialog);
        label->setObjectName(QStringLiteral("1001"));
        layout->addWidget(label);
        QPointer<QLabel> placeholder = label;

        auto* control = CVRXBusyProgressCtrl::TakeOver(label, 10, 0);
        QVERIFY(placeholder.isNull());
        QCOMPARE(control->parentWidget(), &dialog);
        QCOMPARE(layout->indexOf(control), 0);
        QCOMPARE(control->objectName(), QStringLiteral("1001"));
        QCOMPARE(control->accessibleName(), QStringLiteral("Search for"));
        QCOMPARE(dialog.findChild<CVRXBusyProgressCtrl*>(QStringLiteral("1001")), control);
    }
};

QTEST_MAIN(BusyProgressCtrlTest)
#include "busy_progress_ctrl_test.moc"
