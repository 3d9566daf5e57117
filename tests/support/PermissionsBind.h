#pragma once
// File permissions that bind in tests that run as root too (as in CI).
//
// Root passes every permission check through CAP_DAC_OVERRIDE and
// CAP_DAC_READ_SEARCH. While a PermissionsBind lives, the calling thread goes
// without both in its effective set, so a folder without write permission
// refuses new files to root as to anyone; the destructor gives them back.
// For any other user it does nothing.

#include <QtGlobal>

#ifdef Q_OS_WIN
namespace rk::test {

// Windows keeps a folder's permissions in its access list, which
// QFile::setPermissions leaves as it is: nothing binds there.
class PermissionsBind {
public:
    explicit operator bool() const { return false; }
};

}  // namespace rk::test
#else
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace rk::test {

class PermissionsBind {
public:
    PermissionsBind() {
        if (geteuid() != 0) {
            m_binding = true;
            return;
        }
        if (syscall(SYS_capget, &m_header, m_saved) != 0) return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_dropped = syscall(SYS_capset, &m_header, reduced) == 0;
        m_binding = m_dropped;
    }
    ~PermissionsBind() {
        if (m_dropped) syscall(SYS_capset, &m_header, m_saved);
    }
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

    // False when root's overriding capabilities could not be put aside.
    explicit operator bool() const { return m_binding; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped = false;
    bool m_binding = false;
};

}  // namespace rk::test
#endif
