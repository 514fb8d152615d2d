// Every window's and dialog's controls as the user meets them: name, class,
// text, place and size, tab order, help context number and hint, compared
// with the record in controls.txt. A change to a form shows here line by line;
// KALMO_RECORD_CONTROLS=1 writes the record anew after a change a user should
// see.

#include "GuiTest.h"
#include "app/HelpViewer.h"
#include "app/Kalmo3.h"
#include "app/Startup.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTextStream>

#include <algorithm>
#include <memory>

namespace {

QString TextOf(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return group->title();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(w))
        return spin->text();
    return w->isWindow() ? w->windowTitle() : QString();
}

struct Control {
    QPoint place;
    int tab;      // place in the focus chain, 0 = none
    QString line; // name, class, text, place and size
    QString more; // help number, hint and state
};

// One line per control of the window: the window itself first, then its
// controls from top to bottom and left to right.
QStringList Record(QWidget* window) {
    // The tab order: the focus chain's controls that take the focus by Tab.
    QHash<const QWidget*, int> tab;
    QWidget* w = window;
    do {
        w = w->nextInFocusChain();
        if (w != window && (w->focusPolicy() & Qt::TabFocus) && !tab.contains(w))
            tab.insert(w, static_cast<int>(tab.size()) + 1);
    } while (w != window);

    std::vector<Control> controls;
    for (QWidget* c : window->findChildren<QWidget*>()) {
        if (c->objectName().startsWith(QLatin1String("qt_")) || c->isWindow() ||
            !c->isVisibleTo(window))
            continue;
        const QPoint at = c->mapTo(window, QPoint(0, 0));
        const QString line =
            QStringLiteral("  %1 %2 \"%3\" %4,%5 %6x%7")
                .arg(c->objectName(), QLatin1String(c->metaObject()->className()), TextOf(c))
                .arg(at.x())
                .arg(at.y())
                .arg(c->width())
                .arg(c->height());
        QString more;
        if (const int help = Help::HelpContextOf(c))
            more += QStringLiteral(" help=%1").arg(help);
        if (!c->toolTip().isEmpty())
            more += QStringLiteral(" hint=\"%1\"").arg(c->toolTip());
        if (const auto* edit = qobject_cast<const QLineEdit*>(c); edit && edit->isReadOnly())
            more += QStringLiteral(" read-only");
        if (!c->isEnabled())
            more += QStringLiteral(" disabled");
        controls.push_back({at, tab.value(c), line, more});
    }
    std::stable_sort(controls.begin(), controls.end(), [](const Control& a, const Control& b) {
        return a.place.y() != b.place.y() ? a.place.y() < b.place.y() : a.place.x() < b.place.x();
    });
    QStringList lines = {QStringLiteral("%1 %2 \"%3\" %4x%5 help=%6")
                             .arg(window->objectName(),
                                  QLatin1String(window->metaObject()->className()),
                                  window->windowTitle())
                             .arg(window->width())
                             .arg(window->height())
                             .arg(Help::HelpContextOf(window))};
    // The tab order as a cycle, counted from the first control of the form
    // that takes the focus by Tab.
    const auto first =
        std::find_if(controls.begin(), controls.end(), [](const Control& c) { return c.tab > 0; });
    const int from = first == controls.end() ? 1 : first->tab;
    const int count = static_cast<int>(tab.size());
    for (const Control& c : controls)
        lines << c.line +
                     (c.tab ? QStringLiteral(" tab=%1").arg((c.tab - from + count) % count + 1)
                            : QString()) +
                     c.more;
    return lines;
}

class Controls : public GuiTest {};

TEST_F(Controls, EveryWindowAndDialogAsRecorded) {
    KalmoWindows windows = CreateWindows();
    std::unique_ptr<TfrmKalmo3> main(windows.frmKalmo3);
    QStringList lines;
    for (QWidget* window : main->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!window->isWindow() || qobject_cast<QMenu*>(window))
            continue;
        ShowAndActivate(window);
        lines << Record(window);
        window->hide();
    }

    const QString path = QStringLiteral(KALMO_TEST_SOURCE_DIR "/controls.txt");
    if (qEnvironmentVariableIsSet("KALMO_RECORD_CONTROLS")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Text));
        QTextStream(&out) << lines.join(QLatin1Char('\n')) << '\n';
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList recorded =
        QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // The first lines that differ, with the window they belong to.
    QString window;
    int shown = 0;
    for (qsizetype i = 0; i < std::max(lines.size(), recorded.size()) && shown < 20; ++i) {
        const QString now = lines.value(i), then = recorded.value(i);
        if (!then.startsWith(QLatin1Char(' ')))
            window = then;
        if (now != then) {
            ADD_FAILURE() << window.toStdString() << "\n  recorded: " << then.toStdString()
                          << "\n  now:      " << now.toStdString();
            ++shown;
        }
    }
}

} // namespace
