#pragma once

class QCoreApplication;
class QTranslator;

namespace shell {

// Qt's own texts (the file and folder dialogs' "Look in", "File name",
// "Cancel", the standard buttons) in Russian, like the rest of the program:
// installs Qt's Russian translation "qtbase_ru.qm" from Qt's translations
// folder. Returns the installed translator (owned by app), or nullptr,
// changing nothing, when the file is not there.
QTranslator *InstallQtTranslation(QCoreApplication &app);

} // namespace shell
