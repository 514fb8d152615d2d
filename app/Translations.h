#pragma once
// Qt's own Polish translations, so that the standard dialogs (print, save,
// message boxes) and the fields' context menus speak Polish whatever the
// process locale.

class QCoreApplication;
class QTranslator;

namespace Translations {

// Loads Qt's Polish catalogue (qtbase_pl) from Qt's translations folder and
// installs it in `app`, which owns it; nullptr when it is not there (Debian's
// qt6-translations-l10n is not installed), and the standard texts stay English.
// The catalogue of Qt Help's widgets (qt_help_pl, the help's search) comes with it.
QTranslator* InstallPolish(QCoreApplication* app);

} // namespace Translations
