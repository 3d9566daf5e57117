#include "WinPortNames.h"

#include <algorithm>

namespace rk {
namespace {

// The Win32 error codes an open of a communications port meets.
enum : std::uint32_t {
    kFileNotFound = 2,
    kPathNotFound = 3,
    kAccessDenied = 5,
    kGeneralFailure = 31,  // a USB adapter that has gone away
    kSharingViolation = 32,
    kDeviceGone = 55,
    kInvalidName = 123,
    kBusy = 170,
    kDeviceNotConnected = 1167,
};

// The number of "COM<n>", or 0 for any other name.
int ComNumber(const QString& name) {
    if (name.size() < 4 || !name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive)) return 0;
    bool ok = false;
    const int n = name.mid(3).toInt(&ok);
    return ok && n > 0 && name.at(3).isDigit() ? n : 0;
}

}  // namespace

OpenError WindowsOpenError(std::uint32_t errorCode) {
    switch (errorCode) {
    case kFileNotFound:
    case kPathNotFound:
    case kInvalidName:
    case kDeviceGone:
    case kDeviceNotConnected:
    case kGeneralFailure:
        return OpenError::NotFound;
    case kAccessDenied:
    case kSharingViolation:
    case kBusy:
        return OpenError::AccessDenied;
    default:
        return OpenError::Other;
    }
}

PortProblem ClassifyWindowsOpenFailure(OpenError error, bool anyPortListed) {
    switch (error) {
    case OpenError::NotFound: return anyPortListed ? PortProblem::Absent : PortProblem::NoSerialDevices;
    // Access is refused to a port that another program holds; a port that
    // this user may not open at all is not a thing on Windows.
    case OpenError::AccessDenied:
    case OpenError::AlreadyOpen: return PortProblem::InUse;
    case OpenError::Other: break;
    }
    return PortProblem::OpenFailed;
}

QStringList OrderComNames(const QStringList& names) {
    QStringList ordered;
    for (const QString& name : names) {
        const QString trimmed = name.trimmed();
        if (!trimmed.isEmpty() && !ordered.contains(trimmed, Qt::CaseInsensitive)) ordered.append(trimmed);
    }
    std::sort(ordered.begin(), ordered.end(), [](const QString& a, const QString& b) {
        const int na = ComNumber(a);
        const int nb = ComNumber(b);
        if ((na == 0) != (nb == 0)) return na != 0;  // COM names first
        if (na != nb) return na < nb;
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return ordered;
}

}  // namespace rk
