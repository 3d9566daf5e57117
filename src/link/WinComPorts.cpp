// The machine's COM names, from the registry's serial-port map: one value per
// port driver instance ("\Device\Serial0" = "COM1"), kept up to date by
// Windows as adapters come and go. Read with the registry calls themselves:
// QSettings turns the backslashes of those value names into key separators
// and cannot read them back.
#include <windows.h>

#include "WinPortNames.h"

namespace rk {

QStringList ListComPorts() {
    HKEY map = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &map) != ERROR_SUCCESS)
        return {};
    QStringList names;
    for (DWORD index = 0;; ++index) {
        wchar_t valueName[256];
        DWORD valueNameLength = 256;
        wchar_t data[256] = {};
        DWORD dataBytes = sizeof data - sizeof(wchar_t);  // room for the end mark
        DWORD type = 0;
        const LONG status = RegEnumValueW(map, index, valueName, &valueNameLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data), &dataBytes);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS || type != REG_SZ) continue;
        names.append(QString::fromWCharArray(data, static_cast<qsizetype>(dataBytes / sizeof(wchar_t))).section(QChar(0), 0, 0));
    }
    RegCloseKey(map);
    return OrderComNames(names);
}

}  // namespace rk
