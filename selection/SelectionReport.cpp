#include "selection/SelectionReport.h"

namespace Selection {

void AddSelectedValve(Report::Content& report, int printerLine, Report::ValveBlock valve) {
    valve.heading = QStringLiteral("Dane dobranego zaworu bezpieczeństwa");
    Report::AddValveBlock(report, printerLine, valve);
}

} // namespace Selection
