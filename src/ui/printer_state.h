#pragma once

#include <QString>

namespace tavo {

// Why the CUPS queue `queue` would not print pages sent to it now, or empty
// when it would. A queue that refuses jobs drops them without a word, and a
// stopped one keeps them until someone starts it again: both are told to the
// user before anything is sent.
QString printerRefusal(const QString& queue);

}  // namespace tavo
