#pragma once

#include <QString>

#include "ui/ui.h"

namespace tavo::cli {

// The printer queue `name`, or the default queue for "default". Empty, with
// `error` saying why, when there is no such queue or it would not print now
// (it refuses jobs, or it is stopped).
QString findPrinterQueue(const QString& name, QString& error);

// Prints the pages of `job` on A4 sheets of the queue; throws
// std::runtime_error when the queue cannot be opened or refuses them.
void printOnQueue(const QString& queue, const PrintJob& job);

}  // namespace tavo::cli
