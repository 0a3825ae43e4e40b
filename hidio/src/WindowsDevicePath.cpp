#include "WindowsDevicePath.h"

#include <algorithm>
#include <cctype>

namespace hidio::detail {

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

// The hardware part of the path, between its first and second '#': "vid_0483&pid_5017&mi_01".
// The instance part and the class GUID after it are left alone, as they are free-form.
std::string_view HardwarePart(std::string_view path) {
    const std::size_t start = path.find('#');
    if (start == std::string_view::npos) {
        return path;
    }
    const std::string_view rest = path.substr(start + 1);
    return rest.substr(0, rest.find('#'));
}

// The value of the first '&'-separated field that starts with name, as a number of exactly
// digits hexadecimal digits.
std::optional<unsigned> HexField(std::string_view path, std::string_view name, std::size_t digits) {
    std::string_view part = HardwarePart(path);
    while (!part.empty()) {
        const std::size_t end = part.find('&');
        const std::string_view field = part.substr(0, end);
        if (StartsWithNoCase(field, name)) {
            const std::string_view value = field.substr(name.size());
            if (value.size() != digits || !std::all_of(value.begin(), value.end(), [](char c) {
                    return std::isxdigit(static_cast<unsigned char>(c));
                })) {
                return std::nullopt;
            }
            return static_cast<unsigned>(std::stoul(std::string(value), nullptr, 16));
        }
        if (end == std::string_view::npos) {
            break;
        }
        part.remove_prefix(end + 1);
    }
    return std::nullopt;
}

std::optional<std::uint16_t> IdFromPath(std::string_view path, std::string_view name) {
    const std::optional<unsigned> value = HexField(path, name, 4);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*value);
}

}  // namespace

int InterfaceNumberFromPath(std::string_view path) {
    const std::optional<unsigned> number = HexField(path, "mi_", 2);
    return number ? static_cast<int>(*number) : -1;
}

std::optional<std::uint16_t> VendorIdFromPath(std::string_view path) {
    return IdFromPath(path, "vid_");
}

std::optional<std::uint16_t> ProductIdFromPath(std::string_view path) {
    return IdFromPath(path, "pid_");
}

InterfaceInfo DescribeInterface(std::string path, std::optional<HidIds> attributes,
                                std::optional<HidUsage> usage, std::string product) {
    InterfaceInfo info;
    if (attributes && (attributes->vendorId != 0 || attributes->productId != 0)) {
        info.vendorId = attributes->vendorId;
        info.productId = attributes->productId;
    } else {
        info.vendorId = VendorIdFromPath(path).value_or(0);
        info.productId = ProductIdFromPath(path).value_or(0);
    }
    info.interfaceNumber = InterfaceNumberFromPath(path);
    if (usage) {
        info.usagePage = usage->usagePage;
        info.usage = usage->usage;
    }
    info.path = std::move(path);
    info.product = std::move(product);
    return info;
}

}  // namespace hidio::detail
