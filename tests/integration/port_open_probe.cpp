// Tries a serial port the way the connection dialog does (serial chosen, the path typed, Connect) and
// prints what its caller gets: the dialog's result, the reason, the advice it shows, and the log lines
// that name the port. Run by the device tests as an unprivileged user.
#include "devport/CPortCom.h"
#include "devport/CPortUsb.h"
#include "ui/CVRXPageWLanAdvConnectDevice.h"

#include "CapturedLog.h"
#include "FakeDeviceRecords.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: port-open-probe SERIAL-PATH\n");
        return 64;
    }
    const std::string path = argv[1];
    CapturedLog log;
    FakeDeviceRecords records; // no ports listed: the path is typed
    CPortCom serial;
    CPortUsb usb;
    CVRXPageWLanAdvConnectDevice dialog(records, DevicePorts{&usb, &serial});
    dialog.OnInitDialog();
    dialog.OnBnClickedRadioSerial();
    dialog.OnPortTextEdited(path);
    dialog.OnBnClickedConnectBtn();
    const PortOpenFailure& failure = dialog.GetOpenFailure();
    std::printf("result %d\nreason %s\nadvice %s\n", dialog.GetResult(), PortOpenReasonName(failure.reason),
                PortOpenAdvice(failure).c_str());
    for (const std::string& line : log.Lines())
        if (line.find(path + ":") != std::string::npos)
            std::printf("log %s\n", line.c_str());
    return 0;
}
