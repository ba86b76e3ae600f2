// The one shared record of the running program, with the model and unit rules.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>

struct Mesure {
    double Date_Heure = 0;  // day count since 30/12/1899
    float Temperature = 0;  // as recorded, °C or °F
    float Humidite = 0;     // %Hr (model 7307), or the running cooking value
};

struct Recette {
    uint8_t Numero = 0;
    QString Nom;
    float Valeur_Z = 0;
    float Temp_Ref = 0;
    float Temp_Dep = 0;
};

// Fixed-size table indexed from 1, as the recordings and recipes are numbered.
// An index outside 1..N throws std::out_of_range rather than touching memory.
template <typename T, int N>
class Tableau {
  public:
    static constexpr int Taille = N;
    T& operator()(int i) { return elements_.at(static_cast<std::size_t>(Verifie(i) - 1)); }
    const T& operator()(int i) const {
        return elements_.at(static_cast<std::size_t>(Verifie(i) - 1));
    }
    void Efface() { elements_.fill(T{}); }
    T* begin() { return elements_.data(); }
    T* end() { return elements_.data() + N; }
    const T* begin() const { return elements_.data(); }
    const T* end() const { return elements_.data() + N; }

  private:
    static int Verifie(int i) {
        if (i < 1 || i > N) throw std::out_of_range("index hors du tableau");
        return i;
    }
    std::array<T, N> elements_{};
};

constexpr int Nb_Mesures_Max = 16000;
constexpr int Nb_Recettes_Max = 99;
constexpr int Taille_Trame = 256;
constexpr int Longueur_Identite = 8;

using Tableau_Mesures = Tableau<Mesure, Nb_Mesures_Max>;
using Tableau_Recettes = Tableau<Recette, Nb_Recettes_Max>;

struct Etat {
    double Date_Origine = 0;
    double Date_Origine_Precedente = 0;
    QString Identite_Logger;
    QString Version_Logger;
    int16_t Nb_Mesures = 0;
    int16_t Periode_Enreg = 0;
    QString Unite;
    double Date_Debut_Enreg = 0;
    uint8_t Num_Recette = 0;
    QString Commentaire;
    std::array<uint8_t, Taille_Trame> Trame_Emission{};
    QString Trame_Reception;
    Tableau_Mesures Mesures;
    uint8_t Num_Port = 1;
    float Seuil_Haut = 10;
    float Seuil_Bas = 0;
    int32_t Nb_Enreg_Max = 1000;
    Tableau_Recettes Recettes;
    QString Separateur_Decimal;
    QString Nom_Fichier;
    // The count of values its source announced for the recording held (the header of a
    // download, line 10 of a file). Above Nb_Mesures when fewer measures reached memory: a
    // download cut off, a file shorter than its header.
    int16_t Nb_Mesures_Annoncees = 0;
    // The recordings file Nom_Fichier as the recording held was read from or written to it: the
    // SHA-256 of its bytes, and the SHA-256 of the recording as this program writes it then. The
    // file vouches for the recording only while the second still matches (nothing changed it
    // in memory since: a selection cut, another cooking choice, a comment typed).
    QString Empreinte_Fichier;
    QString Empreinte_Enregistrement;

    // The record is large (the measures table): build it on the heap.
    static std::unique_ptr<Etat> Nouveau() { return std::make_unique<Etat>(); }
};

// Model rules: the model is the first four characters of the version text.
QString Modele(const QString& version);
bool Est_Modele_7307(const QString& version);
bool Est_Modele_7306(const QString& version);

// Records held in Mesures for a count of values: Nb_Mesures / 2 for model 7307
// (halves to even), Nb_Mesures otherwise.
int Nb_Enregistrements(const QString& version, int nb_mesures);
// The other way: the count of values that `enregistrements` records make (twice as many on
// model 7307).
int Nb_Valeurs(const QString& version, int enregistrements);
// The records of the recording held in `etat` that the table can hold: Nb_Enregistrements
// brought within 0..16000, whatever count a file or a caller left in Nb_Mesures.
int Enregistrements_Lisibles(const Etat& etat);

// The records its source announced for the recording held in `etat` (within 0..16000), and
// whether fewer than that are held.
int Enregistrements_Annonces(const Etat& etat);
bool Enregistrement_Incomplet(const Etat& etat);
// "incomplet : 1 mesure sur 274 annoncées": what is said wherever an incomplete recording is
// read or shown.
QString Texte_Incomplet(int recues, int annoncees);

// Unit rules: logger letter <-> caption.
QString Unite_Depuis_Lettre(QChar lettre);
QChar Lettre_Depuis_Unite(const QString& unite);
// The temperature unit of a unit caption: "°F" for the two Fahrenheit choices, "°C" for every
// other caption, an empty (unknown) one included.
QString Unite_Temperature(const QString& unite);
bool Est_Fahrenheit(const QString& unite);

// The logger clock origins for the year of the given date (Y0 = 2006 + 3 × ((Y − 2006) / 3)).
void Origines_Horloge(Etat& etat, double maintenant);
