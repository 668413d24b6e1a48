// The port list on Windows: the COM names the system's serial-port key lists, each with
// the adapter's name (SetupAPI's friendly name, else the system's device name) as tooltip.
#include "link/serial/SystemSerialLine.h"

#include <windows.h>

#include <initguid.h>

#include <devguid.h>
#include <setupapi.h>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(size, 1)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(utf8.size() - 1);
    return utf8;
}

std::string PortOverrides() {
    const wchar_t* overrides = _wgetenv(L"VIL3K_PORTS");
    return overrides ? Utf8(overrides) : std::string();
}

// COM name -> device name, as the system's serial-port key lists them.
std::map<std::string, std::string> SerialCommPorts() {
    std::map<std::string, std::string> ports;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return ports;
    for (DWORD i = 0;; ++i) {
        wchar_t device[256];
        wchar_t com[64];
        DWORD deviceLength = 256, comBytes = sizeof com - sizeof(wchar_t), type = 0;
        const LONG result = RegEnumValueW(key, i, device, &deviceLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(com), &comBytes);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS || type != REG_SZ)
            continue;
        com[comBytes / sizeof(wchar_t)] = L'\0';
        ports[Utf8(com)] = Utf8(device);
    }
    RegCloseKey(key);
    return ports;
}

// COM name -> the adapter's friendly name, for the ports whose driver gives one.
std::map<std::string, std::string> FriendlyNames() {
    std::map<std::string, std::string> names;
    HDEVINFO devices = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE)
        return names;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(devices, i, &device); ++i) {
        HKEY key = SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE)
            continue;
        wchar_t port[64] = {};
        DWORD portBytes = sizeof port - sizeof(wchar_t);
        const bool named =
            RegQueryValueExW(key, L"PortName", nullptr, nullptr, reinterpret_cast<BYTE*>(port),
                             &portBytes) == ERROR_SUCCESS;
        RegCloseKey(key);
        wchar_t friendly[256] = {};
        if (named && SetupDiGetDeviceRegistryPropertyW(devices, &device, SPDRP_FRIENDLYNAME,
                                                       nullptr, reinterpret_cast<BYTE*>(friendly),
                                                       sizeof friendly - sizeof(wchar_t), nullptr))
            names[Utf8(port)] = Utf8(friendly);
    }
    SetupDiDestroyDeviceInfoList(devices);
    return names;
}

} // namespace

std::vector<PortEntry> SystemPortList() {
    const std::map<std::string, std::string> system = SerialCommPorts();
    std::vector<std::string> names;
    for (const auto& [com, device] : system)
        names.push_back(com);
    std::vector<PortEntry> ports = BuildPortList(names, true, PortOverrides());
    const std::map<std::string, std::string> friendly = FriendlyNames();
    for (PortEntry& port : ports) {
        if (const auto found = friendly.find(port.name); found != friendly.end())
            port.description = found->second;
        else if (const auto listed = system.find(port.name); listed != system.end())
            port.description = listed->second;
    }
    return ports;
}
