// Caldrix: the program for the 7306 and 7307 data loggers.
#include <QApplication>
#include <QIcon>

#include "app/Dialogues_Qt.h"
#include "app/Frm_Principal.h"
#include "app/Installation.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "core/Traduction_Qt.h"
#include "logger/Communication.h"
#include "logger/Port_QSerialPort.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Caldrix"));
    // The menu entry the desktop shows this window's icon and name from (caldrix.desktop), and
    // the installed icon where the window system asks the window itself.
    QApplication::setDesktopFileName(QStringLiteral("caldrix"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("caldrix")));
    Installer_Traduction_Qt(application);

    Dialogues_Qt dialogues;
    const QStringList echecs =
        Installation::Preparer_Dossier_Programme(Installation::Dossier_Partage());
    if (!echecs.isEmpty()) {
        dialogues.Message(QStringLiteral("Installation incomplète, impossible de créer :\n") +
                              echecs.join(QLatin1Char('\n')),
                          Dialogues::Icone::Exclamation);
    }

    const std::unique_ptr<Etat> etat = Etat::Nouveau();
    Horloge_Systeme horloge;
    Port_QSerialPort port;
    Communication lien(*etat, port, horloge);
    Frm_Principal fenetre(*etat, lien, dialogues);
    fenetre.Form_Load();
    return application.exec();
}
