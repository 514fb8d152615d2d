#include "calc/Guarded.h"

#include <QRegularExpression>

namespace Calc {

bool ShowsNonFiniteNumber(const Report::Content& content) {
    // The words the number texts write for a value that is not finite.
    static const QRegularExpression word(QStringLiteral("\\b(NAN|INF)\\b"));
    for (const Report::Element& e : content.elements)
        if (word.match(e.text).hasMatch())
            return true;
    return false;
}

} // namespace Calc
