#include "app/CVrxQuorlink2ndApp.h"
#include "app/DialogResult.h"
#include "app/StringTable.h"
#include "ui/qt/QtAppPlatform.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Stand-in main window until the real one lands: Close ends it cancelled, Restart confirmed.
int RunPlaceholderMainWindow() {
    QDialog window;
    window.setWindowTitle(QString::fromStdString(LoadString(StringId::AppTitle)));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QString::fromStdString(LoadString(StringId::AppTitle)), &window));
    auto* buttons = new QDialogButtonBox(&window);
    auto* restart = buttons->addButton(QStringLiteral("Restart"), QDialogButtonBox::AcceptRole);
    auto* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    QObject::connect(restart, &QPushButton::clicked, &window, &QDialog::accept);
    QObject::connect(close, &QPushButton::clicked, &window, &QDialog::reject);
    layout->addWidget(buttons);
    window.resize(360, 120);
    return window.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QtAppPlatform platform(RunPlaceholderMainWindow);
    CVrxQuorlink2ndApp app(platform);
    return app.InitInstance() ? 0 : 0;
}
