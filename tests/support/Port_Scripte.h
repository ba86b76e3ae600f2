// A serial port for tests: records what the link sends and delivers scripted replies at
// chosen moments of a virtual clock.
#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

#include "Horloge_Virtuelle.h"
#include "logger/Port_Serie.h"

class Port_Scripte : public Port_Serie {
  public:
    explicit Port_Scripte(Horloge_Virtuelle& horloge) : horloge_(horloge) {}

    // Called with each complete frame sent (carriage return included) and how many times that
    // same frame has been sent so far (1 for the first).
    std::function<void(const QByteArray& trame, int envoi)> repondre;
    // Makes bytes arrive `delai_ms` after the present virtual moment.
    void Programmer(const QByteArray& octets, long long delai_ms = 0);

    void Definir_Port(int n) override { numero = n; }
    void Definir_Parametres(const QString& texte) override { parametres = texte; }
    bool Ouvrir() override { return ouvert = ouverture_possible; }
    void Fermer() override { ouvert = false; }
    bool Est_Ouvert() const override { return ouvert; }
    void Activer_RTS() override { rts = true; }
    void Activer_DTR() override { dtr = true; }
    QByteArray Lire() override;
    void Ecrire(const QByteArray& octets) override;
    int Nb_Octets_En_Attente() override;

    int numero = 0;
    QString parametres;
    bool ouvert = false, rts = false, dtr = false;
    bool ouverture_possible = true;
    QList<QByteArray> trames;  // every complete frame sent, in order
    QByteArray envoye;         // every byte sent

  private:
    struct Arrivee {
        long long instant_ms;
        QByteArray octets;
    };
    Horloge_Virtuelle& horloge_;
    QList<Arrivee> a_venir_;
    QByteArray trame_en_cours_;
};
