#include "KeyLocks.h"

#include <QGuiApplication>

#if defined(RK_HAVE_X11)
#include <X11/XKBlib.h>
#endif

namespace rk {

std::optional<KeyLockState> QueryKeyLocks() {
#if defined(RK_HAVE_X11)
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return std::nullopt;
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display()) return std::nullopt;
    unsigned int indicators = 0;
    if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &indicators) != Success) return std::nullopt;
    // The usual X keyboard indicators: bit 0 Caps, bit 1 Num, bit 2 Scroll.
    return KeyLockState{(indicators & 1u) != 0, (indicators & 2u) != 0, (indicators & 4u) != 0};
#else
    return std::nullopt;
#endif
}

}  // namespace rk
