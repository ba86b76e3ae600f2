// Why a serial port did not open, found out the way the user would have to: is the device
// there, may this user open it, does another program hold it. The texts say what to do.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct Echec_Ouverture {
    enum class Cause {
        Absent,            // no device behind the number or the path
        Permission,        // the device's mode refuses this user
        Occupe,            // another program holds it (lock file or exclusive mode)
        Verrou_Abandonne,  // a lock file left by a program that has ended
        Autre,
    };
    Cause Raison = Cause::Autre;
    int Numero = 0;        // the port number, 0 when a path was given
    QString Peripherique;  // the device tried, empty when no device has the number
    // Permission: the device's group and owner; whether the group may read and write it, and
    // whether this user is in that group already, though not in this session.
    QString Groupe, Proprietaire;
    bool Groupe_Autorise = false, Deja_Membre = false;
    // Occupe: the program that holds the port, when it can be told; Verrou_Abandonne: the file.
    qint64 Pid = 0;
    QString Programme, Verrou;
    QString Detail;  // Autre: the system's words

    // The whole message, for a message box and caldrix-cli.
    QString Texte() const;
    // A few words, after "Enregistreur non connecté : " in the status bar.
    QString Texte_Court() const;
};

namespace Diagnostic_Ouverture {

// Where programs put the lock files of serial ports, Qt's list.
QStringList Dossiers_Verrous();
// The name a lock file of this device has: LCK..ttyUSB0 for /dev/ttyUSB0.
QString Nom_Verrou(const QString& peripherique);
// The process number a lock file holds: ten ASCII digits (UUCP, lockdev), Qt's "pid\napp\n",
// or the four bytes of an old binary lock.
std::optional<qint64> Pid_Verrou(const QByteArray& contenu);

// After QSerialPort failed to open `peripherique` (with `detail_qt` as its words): why.
Echec_Ouverture Diagnostiquer(const QString& peripherique, const QString& detail_qt,
                              const QStringList& dossiers_verrous = Dossiers_Verrous());

}  // namespace Diagnostic_Ouverture
