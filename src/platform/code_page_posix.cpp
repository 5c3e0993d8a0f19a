#include "platform/code_page.h"

#include <QByteArray>
#include <QStringDecoder>

namespace tavo::platform {

std::array<char16_t, 256> codePage1250() {
    std::array<char16_t, 256> table;
    table.fill(0xFFFD);
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i) all[i] = char(i);
    QStringDecoder decoder("windows-1250");
    const QString decoded = decoder.decode(all);
    if (decoded.size() == 256) {
        for (int i = 0; i < 256; ++i) table[i] = decoded[i].unicode();
    }
    return table;
}

}  // namespace tavo::platform
