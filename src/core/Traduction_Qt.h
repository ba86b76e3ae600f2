// Qt's own texts (standard buttons, file dialogs, the command line parser's messages) in French,
// like the rest of the program, whatever the language of the session.
#pragma once

class QCoreApplication;

// Installs Qt's French translation (qtbase_fr, from Qt's translations folder) for the life of
// `application`; false when that translation is not installed, Qt then speaking English.
bool Installer_Traduction_Qt(QCoreApplication& application);
