#pragma once

class QCoreApplication;

namespace shell {

// Qt's own texts (the file and folder dialogs' "Look in", "File name",
// "Cancel", the standard buttons) in Russian, like the rest of the program:
// installs Qt's Russian translation "qtbase_ru.qm" from Qt's translations
// folder. Returns false, changing nothing, when the file is not there.
bool InstallQtTranslation(QCoreApplication &app);

} // namespace shell
