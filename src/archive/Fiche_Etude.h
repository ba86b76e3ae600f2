// What the archive's list of studies shows of one study; the study itself (its rules and its
// recordings) is read with Archive::Lire_Etude.
#pragma once

#include <QString>
#include <cstdint>

struct Fiche_Etude {
    int64_t Id = 0;   // given by the archive
    QString Jeu;      // the name of its set of rules; empty for rules set for it alone
    QString Verdict;  // "conforme", "non conforme", "non vérifiable", when it was made
    QString Auteur;
    QString Poste;
    QString Fait;  // when it was made, yyyy-MM-ddTHH:mm:ss
    int Enregistrements = 0;
};
