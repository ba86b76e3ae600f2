// Lets GoogleTest print Qt texts and the program's outcomes readably in failure messages:
// "Incorrect" rather than "4-byte object <02-00 00-00>".
#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

#include "archive/Resultats_Archive.h"
#include "criteria/Evaluation.h"
#include "files/Resultats_Fichiers.h"

inline void PrintTo(const QString& texte, std::ostream* sortie) {
    *sortie << '"' << texte.toUtf8().toStdString() << '"';
}
inline void PrintTo(const QByteArray& octets, std::ostream* sortie) {
    *sortie << '"' << octets.toStdString() << '"';
}

// The name of outcome `n`, in the order its enumeration declares them.
inline void Imprimer_Issue(int n, std::initializer_list<const char*> noms, std::ostream* sortie) {
    *sortie << (n >= 0 && n < static_cast<int>(noms.size()) ? noms.begin()[n] : "?") << " (" << n
            << ')';
}
namespace Import_Export {
inline void PrintTo(Resultat_Lecture r, std::ostream* s) {
    Imprimer_Issue(static_cast<int>(r), {"Lu", "Introuvable", "Incorrect"}, s);
}
inline void PrintTo(Resultat_Ecriture r, std::ostream* s) {
    Imprimer_Issue(static_cast<int>(r), {"Ecrit", "Echec"}, s);
}
inline void PrintTo(Cause_Ecriture c, std::ostream* s) {
    Imprimer_Issue(static_cast<int>(c),
                   {"Aucune", "Dossier_Absent", "Permission", "Disque_Plein", "Autre"}, s);
}
}  // namespace Import_Export
inline void PrintTo(Bilan_Ajout b, std::ostream* s) {
    Imprimer_Issue(static_cast<int>(b), {"Archive", "Deja_Archive", "Echec"}, s);
}
inline void PrintTo(Bilan_Export b, std::ostream* s) {
    Imprimer_Issue(static_cast<int>(b), {"Exporte", "Inconnu", "Echec"}, s);
}
namespace Criteres {
inline void PrintTo(Verdict v, std::ostream* s) {
    Imprimer_Issue(static_cast<int>(v), {"Conforme", "Non_Conforme", "Non_Verifiable"}, s);
}
}  // namespace Criteres
