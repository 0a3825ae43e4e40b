// Windows: the system's HID interfaces through the setup services (the HID interface class,
// present devices only) and the HID services.
//
// Enumeration opens each interface without asking for read or write access: that is enough
// for its attributes, capabilities and product text, and works on the interfaces the system
// keeps for itself (its keyboards and mice), which the programs could not open for I/O.
#include <windows.h>
// The order matters: the setup and HID headers need windows.h first.
#include <setupapi.h>
extern "C" {
#include <hidsdi.h>
}

#include <algorithm>
#include <optional>
#include <vector>

#include "HidDevice_windows.h"
#include "PlatformWatch.h"
#include "Win32Support_windows.h"
#include "WindowsDevicePath.h"
#include "hidio/Hidio.h"

namespace hidio {

namespace {

using detail::UniqueHandle;

struct DeviceSetCloser {
    void operator()(HDEVINFO set) const { ::SetupDiDestroyDeviceInfoList(set); }
};
using UniqueDeviceSet = std::unique_ptr<std::remove_pointer_t<HDEVINFO>, DeviceSetCloser>;

GUID HidClass() {
    GUID hid{};
    ::HidD_GetHidGuid(&hid);
    return hid;
}

UniqueHandle OpenPath(const std::wstring& path, DWORD access, DWORD flags) {
    const HANDLE handle = ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, flags, nullptr);
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

std::optional<HIDP_CAPS> CapsOf(HANDLE handle) {
    PHIDP_PREPARSED_DATA data = nullptr;
    if (::HidD_GetPreparsedData(handle, &data) == 0) {
        return std::nullopt;
    }
    HIDP_CAPS caps{};
    const NTSTATUS status = ::HidP_GetCaps(data, &caps);
    ::HidD_FreePreparsedData(data);
    if (status != HIDP_STATUS_SUCCESS) {
        return std::nullopt;
    }
    return caps;
}

std::optional<std::wstring> InterfacePath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& item) {
    DWORD size = 0;
    ::SetupDiGetDeviceInterfaceDetailW(set, &item, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
        return std::nullopt;
    }
    // Whole structures, so that the block is aligned as the structure wants.
    std::vector<SP_DEVICE_INTERFACE_DETAIL_DATA_W> block(
        size / sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W) + 1);
    block[0].cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (::SetupDiGetDeviceInterfaceDetailW(set, &item, block.data(), size, nullptr, nullptr) == 0) {
        return std::nullopt;
    }
    return std::wstring(block[0].DevicePath);
}

// One of the device's strings; the strings are at most 126 characters, the buffer is in bytes.
template <typename Getter>
std::string DeviceString(HANDLE handle, Getter get) {
    wchar_t text[128] = {};
    if (get(handle, text, sizeof text - sizeof text[0]) == 0) {
        return {};
    }
    return detail::Utf8FromWide(text);
}

InterfaceInfo Describe(const std::wstring& path) {
    std::optional<detail::HidIds> ids;
    std::optional<detail::HidUsage> usage;
    std::string product;
    std::string serialNumber;
    if (const UniqueHandle handle = OpenPath(path, 0, 0)) {
        HIDD_ATTRIBUTES attributes{};
        attributes.Size = sizeof attributes;
        if (::HidD_GetAttributes(handle.get(), &attributes) != 0) {
            ids = detail::HidIds{attributes.VendorID, attributes.ProductID};
        }
        if (const std::optional<HIDP_CAPS> caps = CapsOf(handle.get())) {
            usage = detail::HidUsage{caps->UsagePage, caps->Usage};
        }
        product = DeviceString(handle.get(), ::HidD_GetProductString);
        serialNumber = DeviceString(handle.get(), ::HidD_GetSerialNumberString);
    }
    InterfaceInfo info =
        detail::DescribeInterface(detail::Utf8FromWide(path.c_str()), ids, usage, product);
    info.serialNumber = std::move(serialNumber);
    return info;
}

OpenStatus StatusOfFailedOpen(DWORD error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
            return OpenStatus::kAccessDenied;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_DEVICE_NOT_CONNECTED:
            return OpenStatus::kNotFound;
        default:
            return OpenStatus::kRefused;
    }
}

class HidBus final : public Bus {
  public:
    std::vector<InterfaceInfo> Enumerate() override {
        std::vector<InterfaceInfo> result;
        GUID hid = HidClass();
        const HDEVINFO raw =
            ::SetupDiGetClassDevsW(&hid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
        if (raw == INVALID_HANDLE_VALUE) {
            return result;
        }
        const UniqueDeviceSet set(raw);
        SP_DEVICE_INTERFACE_DATA item{};
        item.cbSize = sizeof item;
        for (DWORD index = 0; ::SetupDiEnumDeviceInterfaces(set.get(), nullptr, &hid, index, &item);
             ++index) {
            if (const std::optional<std::wstring> path = InterfacePath(set.get(), item)) {
                result.push_back(Describe(*path));
            }
        }
        std::sort(result.begin(), result.end(),
                  [](const InterfaceInfo& a, const InterfaceInfo& b) { return a.path < b.path; });
        result.erase(std::unique(result.begin(), result.end(),
                                 [](const InterfaceInfo& a, const InterfaceInfo& b) {
                                     return a.path == b.path;
                                 }),
                     result.end());
        return result;
    }

    OpenResult Open(const std::string& path) override {
        const std::wstring widePath = detail::WideFromUtf8(path);
        UniqueHandle handle =
            OpenPath(widePath, GENERIC_READ | GENERIC_WRITE, FILE_FLAG_OVERLAPPED);
        if (!handle) {
            const DWORD error = ::GetLastError();
            return {nullptr, StatusOfFailedOpen(error), detail::SystemMessage(error)};
        }
        const std::optional<HIDP_CAPS> caps = CapsOf(handle.get());
        if (!caps) {
            return {nullptr, OpenStatus::kRefused, "not a HID interface"};
        }
        std::string failure;
        std::unique_ptr<Device> device =
            detail::MakeHidDevice(std::move(handle), path, caps->InputReportByteLength,
                                  caps->OutputReportByteLength, failure);
        if (!device) {
            return {nullptr, OpenStatus::kRefused, failure};
        }
        return {std::move(device), OpenStatus::kOpened, {}};
    }

    std::unique_ptr<Watch> StartWatch(WatchCallback callback) override {
        return detail::StartPlatformWatch(std::move(callback));
    }
};

}  // namespace

Bus& SystemBus() {
    static HidBus bus;
    return bus;
}

}  // namespace hidio
