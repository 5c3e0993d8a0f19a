#pragma once

#include <QString>
#include <vector>

namespace tavo {

enum class Icon { None, Exclamation, Information, Question };

// A message a check found for the user: the checks return them, in the order
// they are to be shown, and the window shows them through its Ui.
struct Notice {
    QString text;
    Icon icon = Icon::None;

    bool operator==(const Notice&) const = default;
};
using Notices = std::vector<Notice>;

}  // namespace tavo
