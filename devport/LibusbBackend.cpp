#include "devport/LibusbBackend.h"

#include "app/DiagnosticLog.h"

#include <libusb.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

static_assert(UsbError::Io == LIBUSB_ERROR_IO && UsbError::Access == LIBUSB_ERROR_ACCESS &&
              UsbError::NoDevice == LIBUSB_ERROR_NO_DEVICE && UsbError::NotFound == LIBUSB_ERROR_NOT_FOUND &&
              UsbError::Busy == LIBUSB_ERROR_BUSY && UsbError::Timeout == LIBUSB_ERROR_TIMEOUT);

namespace {

struct PrinterEndpoints {
    int interfaceNumber = -1;
    int altSetting = 0;
    unsigned char out = 0;
    unsigned char in = 0;
    std::uint16_t inPacketSize = 64;
};

// The printer-class interface with a bulk OUT and a bulk IN endpoint; the bidirectional protocol (2) is
// preferred over others when the device offers several.
bool FindPrinterInterface(libusb_device* device, PrinterEndpoints& found) {
    libusb_config_descriptor* config = nullptr;
    if (libusb_get_active_config_descriptor(device, &config) != 0 || !config)
        return false;
    int bestProtocol = -1;
    for (int i = 0; i < config->bNumInterfaces; ++i) {
        const libusb_interface& iface = config->interface[i];
        for (int a = 0; a < iface.num_altsetting; ++a) {
            const libusb_interface_descriptor& alt = iface.altsetting[a];
            if (alt.bInterfaceClass != LIBUSB_CLASS_PRINTER)
                continue;
            PrinterEndpoints candidate;
            candidate.interfaceNumber = alt.bInterfaceNumber;
            candidate.altSetting = alt.bAlternateSetting;
            for (int e = 0; e < alt.bNumEndpoints; ++e) {
                const libusb_endpoint_descriptor& ep = alt.endpoint[e];
                if ((ep.bmAttributes & LIBUSB_TRANSFER_TYPE_MASK) != LIBUSB_TRANSFER_TYPE_BULK)
                    continue;
                if ((ep.bEndpointAddress & LIBUSB_ENDPOINT_DIR_MASK) == LIBUSB_ENDPOINT_IN) {
                    if (!candidate.in) {
                        candidate.in = ep.bEndpointAddress;
                        candidate.inPacketSize = std::max<std::uint16_t>(ep.wMaxPacketSize & 0x7ff, 1);
                    }
                } else if (!candidate.out) {
                    candidate.out = ep.bEndpointAddress;
                }
            }
            const int protocol = alt.bInterfaceProtocol == 2 ? 2 : alt.bInterfaceProtocol == 3 ? 1 : 0;
            if (candidate.in && candidate.out && protocol > bestProtocol) {
                bestProtocol = protocol;
                found = candidate;
            }
        }
    }
    libusb_free_config_descriptor(config);
    return bestProtocol >= 0;
}

class LibusbPrinterInterface : public IUsbPrinterInterface {
public:
    LibusbPrinterInterface(libusb_device_handle* handle, const PrinterEndpoints& endpoints, bool reattach)
        : m_handle(handle), m_endpoints(endpoints), m_reattach(reattach) {}
    ~LibusbPrinterInterface() override {
        libusb_release_interface(m_handle, m_endpoints.interfaceNumber);
        if (m_reattach)
            libusb_attach_kernel_driver(m_handle, m_endpoints.interfaceNumber);
        libusb_close(m_handle);
    }

    int BulkOut(const std::uint8_t* data, std::uint32_t length, std::uint32_t& transferred,
                std::uint32_t timeoutMs) override {
        int moved = 0;
        const int result = libusb_bulk_transfer(m_handle, m_endpoints.out, const_cast<unsigned char*>(data),
                                                static_cast<int>(length), &moved, timeoutMs);
        transferred = static_cast<std::uint32_t>(std::max(moved, 0));
        return result;
    }

    int BulkIn(std::uint8_t* data, std::uint32_t length, std::uint32_t& transferred,
               std::uint32_t timeoutMs) override {
        transferred = 0;
        // Bytes of an earlier packet that did not fit come first.
        if (!m_pending.empty()) {
            transferred = static_cast<std::uint32_t>(std::min<size_t>(length, m_pending.size()));
            std::memcpy(data, m_pending.data(), transferred);
            m_pending.erase(m_pending.begin(), m_pending.begin() + transferred);
            return LIBUSB_SUCCESS;
        }
        // Whole packets, so that a packet longer than what is wanted is not an overflow; the rest waits
        // for the next read.
        const std::uint32_t packet = m_endpoints.inPacketSize;
        std::vector<unsigned char> buffer((length + packet - 1) / packet * packet);
        int moved = 0;
        const int result = libusb_bulk_transfer(m_handle, m_endpoints.in, buffer.data(),
                                                static_cast<int>(buffer.size()), &moved, timeoutMs);
        const auto got = static_cast<std::uint32_t>(std::max(moved, 0));
        transferred = std::min(got, length);
        std::memcpy(data, buffer.data(), transferred);
        m_pending.assign(buffer.begin() + transferred, buffer.begin() + got);
        return result;
    }

private:
    libusb_device_handle* m_handle;
    PrinterEndpoints m_endpoints;
    bool m_reattach;
    std::vector<unsigned char> m_pending;
};

// The device at the identity's place with its ids (the serial number is not looked at: that needs the
// device opened).
bool AtPlaceOf(libusb_device* device, const UsbDeviceIdentity& identity) {
    libusb_device_descriptor descriptor{};
    if (libusb_get_device_descriptor(device, &descriptor) != 0 || descriptor.idVendor != identity.vendorId ||
        descriptor.idProduct != identity.productId || libusb_get_bus_number(device) != identity.BusNumber())
        return false;
    std::uint8_t ports[8];
    const int depth = libusb_get_port_numbers(device, ports, sizeof ports);
    return depth >= 0 && std::vector<std::uint8_t>(ports, ports + depth) == identity.PortNumbers();
}

bool SameSerial(libusb_device_handle* handle, std::uint8_t index, const std::string& serial) {
    if (index == 0)
        return false;
    unsigned char text[256] = {};
    const int length = libusb_get_string_descriptor_ascii(handle, index, text, sizeof text - 1);
    return length >= 0 && serial == reinterpret_cast<const char*>(text);
}

} // namespace

LibusbBackend::~LibusbBackend() {
    if (m_context)
        libusb_exit(m_context);
}

libusb_context* LibusbBackend::Context(int& error) {
    std::lock_guard lock(m_mutex);
    if (!m_context) {
        error = libusb_init(&m_context);
        if (error != 0) {
            WriteLog("LibusbBackend::Context : libusb_init failed with (%d) %s", error,
                     libusb_error_name(error));
            m_context = nullptr;
        }
    }
    return m_context;
}

std::unique_ptr<IUsbPrinterInterface> LibusbBackend::Open(const UsbDeviceIdentity& identity, int& error) {
    libusb_context* context = Context(error);
    if (!context)
        return nullptr;
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(context, &list);
    if (count < 0) {
        error = static_cast<int>(count);
        return nullptr;
    }
    error = LIBUSB_ERROR_NO_DEVICE;
    std::unique_ptr<IUsbPrinterInterface> opened;
    for (ssize_t i = 0; i < count && !opened; ++i) {
        libusb_device* device = list[i];
        if (!AtPlaceOf(device, identity))
            continue;
        libusb_device_descriptor descriptor{};
        libusb_get_device_descriptor(device, &descriptor);
        PrinterEndpoints endpoints;
        if (!FindPrinterInterface(device, endpoints)) {
            error = LIBUSB_ERROR_NOT_FOUND;
            WriteLog("LibusbBackend::Open : %s has no printer interface with bulk endpoints",
                     identity.Text().c_str());
            continue;
        }
        libusb_device_handle* handle = nullptr;
        error = libusb_open(device, &handle);
        if (error != 0) {
            WriteLog("LibusbBackend::Open : libusb_open failed with (%d) %s", error,
                     libusb_error_name(error));
            continue;
        }
        if (!identity.serial.empty() && !SameSerial(handle, descriptor.iSerialNumber, identity.serial)) {
            // Another printer of the same model now sits at that place.
            libusb_close(handle);
            error = LIBUSB_ERROR_NO_DEVICE;
            continue;
        }
        bool reattach = false;
        if (libusb_kernel_driver_active(handle, endpoints.interfaceNumber) == 1) {
            error = libusb_detach_kernel_driver(handle, endpoints.interfaceNumber);
            if (error != 0) {
                WriteLog("LibusbBackend::Open : libusb_detach_kernel_driver failed with (%d) %s", error,
                         libusb_error_name(error));
                libusb_close(handle);
                continue;
            }
            reattach = true;
        }
        error = libusb_claim_interface(handle, endpoints.interfaceNumber);
        if (error == 0 && endpoints.altSetting != 0)
            error = libusb_set_interface_alt_setting(handle, endpoints.interfaceNumber, endpoints.altSetting);
        if (error != 0) {
            WriteLog("LibusbBackend::Open : claiming the printer interface failed with (%d) %s", error,
                     libusb_error_name(error));
            libusb_release_interface(handle, endpoints.interfaceNumber);
            if (reattach)
                libusb_attach_kernel_driver(handle, endpoints.interfaceNumber);
            libusb_close(handle);
            continue;
        }
        opened = std::make_unique<LibusbPrinterInterface>(handle, endpoints, reattach);
    }
    libusb_free_device_list(list, 1);
    if (opened)
        error = LIBUSB_SUCCESS;
    return opened;
}

std::string LibusbBackend::DeviceNode(const UsbDeviceIdentity& identity) {
    int error = 0;
    libusb_context* context = Context(error);
    if (!context)
        return {};
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(context, &list);
    if (count < 0)
        return {};
    std::string node;
    for (ssize_t i = 0; i < count && node.empty(); ++i) {
        if (!AtPlaceOf(list[i], identity))
            continue;
        char path[32];
        std::snprintf(path, sizeof path, "/dev/bus/usb/%03u/%03u", libusb_get_bus_number(list[i]),
                      libusb_get_device_address(list[i]));
        node = path;
    }
    libusb_free_device_list(list, 1);
    return node;
}
