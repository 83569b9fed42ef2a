#include "devport/DeviceEnumeration.h"

#include "CapturedLog.h"
#include "FakeDeviceRecords.h"

#include <gtest/gtest.h>

namespace {

TEST(DevportEnumeration, OnlyTheMakersUsbDevicesAreListedInTheSystemsOrder) {
    CapturedLog log;
    FakeDeviceRecords records;
    records.AddUsb("1-1", 0x3f9a, 0xa007, "SN1");
    records.AddUsb("1-2", 0x046d, 0xc52b);                               // another maker's mouse
    records.AddUsb("2-1.3", 0x3f9a, 0xbeef);                             // the maker's, an unknown product
    records.AddUsb("1-1:1.0", 0x3f9a, 0xa007).devtype = "usb_interface"; // an interface, not a device
    std::vector<std::string> list{"stale"};
    EXPECT_TRUE(GetAllUsbDevicePath(records, list));
    EXPECT_EQ(list,
              (std::vector<std::string>{"usb:1-1:vid_3f9a:pid_a007:SN1", "usb:2-1.3:vid_3f9a:pid_beef"}));
    EXPECT_TRUE(log.Contains("GetAllUsbDevicePath : strUsbDevList.GetCount() = 2"));

    records.records.clear();
    EXPECT_FALSE(GetAllUsbDevicePath(records, list));
    EXPECT_TRUE(list.empty());
    records.fails = true;
    EXPECT_FALSE(GetAllUsbDevicePath(records, list));
}

// Only a device of the maker with a printer-class interface is a printer: the maker's other devices (a
// firmware loader, a scanner) are not listed.
TEST(DevportEnumeration, OnlyDevicesWithAPrinterInterfaceAreListed) {
    FakeDeviceRecords records;
    records.AddUsb("1-1", 0x3f9a, 0xa007, "", 0x07);
    records.AddUsb("1-2", 0x3f9a, 0xa008, "", 0xff); // vendor-specific only
    records.AddUsb("1-3", 0x3f9a, 0xa009, "", 0x08); // mass storage
    records.AddUsb("1-4", 0x3f9a, 0xa00a, "", 0xff);
    records.AddUsbInterface("1-4:1.1", 0x07);  // a composite device whose second interface prints
    records.AddUsbInterface("1-10:1.0", 0x07); // the interface of another device, not of 1-1
    records.AddUsb("1-10", 0x046d, 0xc52b, "", 0x03);
    std::vector<std::string> list;
    EXPECT_TRUE(GetAllUsbDevicePath(records, list));
    EXPECT_EQ(list, (std::vector<std::string>{"usb:1-1:vid_3f9a:pid_a007", "usb:1-4:vid_3f9a:pid_a00a"}));

    records.records.clear();
    records.AddUsb("1-2", 0x3f9a, 0xa008, "", 0xff);
    EXPECT_FALSE(GetAllUsbDevicePath(records, list));
    EXPECT_TRUE(list.empty());
}

TEST(DevportEnumeration, DisplayNamesByProductIdWithRepeatsNumbered) {
    std::map<std::string, std::string> table;
    const std::string rk7a = "usb:1-1:vid_3f9a:pid_a007:A", rk7b = "usb:1-2:vid_3f9a:pid_A007:B",
                      rk7c = "usb:1-3:vid_3f9a:pid_a007", rk8 = "usb:1-4:vid_3f9a:pid_a008",
                      other = "usb:1-5:vid_3f9a:pid_0042";
    EXPECT_EQ(UsbDisplayName(rk7a, table), "HALDA RK7");
    EXPECT_EQ(UsbDisplayName(rk7b, table), "HALDA RK7#1");
    EXPECT_EQ(UsbDisplayName(rk7c, table), "HALDA RK7#1#2");
    EXPECT_EQ(UsbDisplayName(rk8, table), "HALDA RK8");
    EXPECT_EQ(UsbDisplayName(other, table), other); // under its identity text
    EXPECT_EQ(UsbDisplayName("", table), "");
    EXPECT_EQ(table, (std::map<std::string, std::string>{{"HALDA RK7", rk7a},
                                                         {"HALDA RK7#1", rk7b},
                                                         {"HALDA RK7#1#2", rk7c},
                                                         {"HALDA RK8", rk8},
                                                         {other, other}}));
}

TEST(DevportEnumeration, SerialPortsWithHardwareBehindThemInNaturalOrder) {
    FakeDeviceRecords records;
    records.AddTty("tty0", ""); // a virtual terminal
    records.AddTty("console", "");
    records.AddTty("ttyS10", "pnp", "4");
    records.AddTty("ttyS0", "pnp", "4");
    records.AddTty("ttyS1", "platform", "0"); // a UART slot without a UART
    records.AddTty("ttyS2", "platform", "4");
    records.AddTty("ttyUSB0", "usb-serial");
    records.AddTty("ttyACM1", "usb");
    records.AddTty("ttyACM0", "usb");
    records.AddTty("rfcomm0", "bluetooth");
    EXPECT_EQ(GetSerialPortPaths(records),
              (std::vector<std::string>{"/dev/rfcomm0", "/dev/ttyACM0", "/dev/ttyACM1", "/dev/ttyS0",
                                        "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0"}));
    records.fails = true;
    EXPECT_TRUE(GetSerialPortPaths(records).empty());
}

TEST(DevportEnumeration, NaturalOrderComparesNumbersByValue) {
    struct Case {
        std::string a, b;
        bool less;
    };
    const Case cases[] = {
        {"ttyS2", "ttyS10", true},      {"ttyS10", "ttyS2", false},  {"ttyS2", "ttyS2", false},
        {"ttyS", "ttyS0", true},        {"ttyACM9", "ttyS0", true},  {"ttyUSB1", "ttyUSB01", true},
        {"ttyUSB01", "ttyUSB1", false}, {"a100b2", "a100b10", true}, {"ttyS007", "ttyS10", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NaturalLess(c.a, c.b), c.less) << c.a << " < " << c.b;
}

} // namespace
