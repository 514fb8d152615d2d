#include "report/PrintService.h"

#include <QProcess>

namespace Report {

void SendToPrintService(const QString& path) {
    // "lp <file>" on the default printer, detached, every stream to the null
    // device so that nothing it says reaches the user.
    QProcess lp;
    lp.setProgram(QStringLiteral("lp"));
    lp.setArguments({path});
    lp.setStandardInputFile(QProcess::nullDevice());
    lp.setStandardOutputFile(QProcess::nullDevice());
    lp.setStandardErrorFile(QProcess::nullDevice());
    lp.startDetached();
}

} // namespace Report
