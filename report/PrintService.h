#pragma once
// The system's print service, as the catalogue cards use it: the one place
// that knows how a shipped PDF file reaches the printer here. On Debian and its
// kin that is CUPS's `lp`; a port to a system with another service replaces
// PrintService.cpp and nothing else.

#include <QString>

namespace Report {

// Hands the file at `path` to the print service and returns at once: the
// service prints it in its own process, without a window. Whatever the service
// answers, and a missing service, stay silent.
void SendToPrintService(const QString& path);

} // namespace Report
