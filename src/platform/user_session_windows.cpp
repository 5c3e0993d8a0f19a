#include "platform/user_session.h"

#include <windows.h>
// After windows.h, which it needs.
#include <sddl.h>
#include <vector>

namespace tavo::platform {
namespace {

// The security identifier of the process's user ("S-1-5-21-…"): unique on
// the machine and in its domain, where two accounts may share a name.
QString userSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return QString();
    QString sid;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<char> buffer(size);
    if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.data());
        wchar_t* text = nullptr;
        if (ConvertSidToStringSidW(user->User.Sid, &text)) {
            sid = QString::fromWCharArray(text);
            LocalFree(text);
        }
    }
    CloseHandle(token);
    return sid;
}

// The user's logon name, for a process whose token cannot be read.
QString userName() {
    wchar_t name[257] = {};
    DWORD size = sizeof name / sizeof name[0];
    return GetUserNameW(name, &size) ? QString::fromWCharArray(name) : QString();
}

QString userIdentity() {
    static const QString identity = [] {
        const QString sid = userSid();
        return sid.isEmpty() ? userName() : sid;
    }();
    return identity;
}

}  // namespace

// A name without a path: Qt makes it the pipe \\.\pipe\NAME. A pipe name may
// hold any character but the backslash, which neither a SID nor a user name
// holds.
QString userServerName(const QString& program, const QString& key) {
    return QStringLiteral("%1-%2-%3").arg(program, userIdentity(), key);
}

void ensureRuntimeFolder() {}

}  // namespace tavo::platform
