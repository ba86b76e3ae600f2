// A study as lines of French text, as caldrix-cli prints it: the study's verdict, then each
// recording with its figures and each rule's value, limit and verdict, then the equilibrium
// and the coldest logger.
#pragma once

#include <QStringList>

#include "study/Etude.h"

namespace Etude {

// `unite`: the temperatures' unit, "°C" or "°F".
QStringList Lignes_Etude(const Resultat& resultat, const Criteres::Jeu_Criteres& jeu,
                         const QString& unite);

// The study's equilibrium: its rule's line when the set judges it, else the time alone, or why
// there is none ("Équilibrage : il faut plusieurs enregistrements").
QString Ligne_Equilibrage(const Resultat& resultat, const Criteres::Jeu_Criteres& jeu,
                          const QString& unite);

// The name of each recording in a legend: its logger's identity, followed by its file's name
// when another recording has the same identity (probes left with their default name).
QStringList Noms_Legende(const QStringList& identites, const QStringList& fichiers);

}  // namespace Etude
