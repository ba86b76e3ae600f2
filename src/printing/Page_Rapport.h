// What both reports are written with: an A4 page in millimetres, written top to bottom, with
// the fonts, the section titles, the label-and-value fields, the overall verdict in framed
// capitals and the "Visa" box they share, on Document_PDF (Qt Core alone).
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "criteria/Evaluation.h"
#include "printing/Document_PDF.h"

namespace Page_Rapport {

using Document_PDF::Couleur;
using Document_PDF::Document;

constexpr double Marge_mm = 15;
constexpr double Largeur_Page_mm = Document_PDF::Largeur_Page_mm;
constexpr double Hauteur_Page_mm = Document_PDF::Hauteur_Page_mm;

// A font: Helvetica (bold) or Courier, `corps` points high.
struct Police {
    Document_PDF::Police police = Document_PDF::Police::Normale;
    double corps = 8;
    // Height of a line, and of the text above its baseline, in millimetres.
    double Interligne() const { return corps * 1.17 * 25.4 / 72; }
    double Hampe() const { return corps * 0.80 * 25.4 / 72; }
    double Largeur(const QString& texte) const {
        return Document_PDF::Document::Largeur(texte, police, corps);
    }
};
Police Corps(double points, bool grasse = false, bool fixe = false);

// The colour that goes with a verdict; the words carry the meaning, the colour only adds to it.
Couleur Couleur_Verdict(Criteres::Verdict verdict);

// How a text stands in its box.
enum Alignement { A_Gauche = 1, A_Droite = 2, Au_Centre = 4, Au_Milieu = 8 };

// A text cut in its middle to fit `largeur` ("C:\Caldrix\…\four.txt").
QString Raccourci(const QString& texte, const Police& police, double largeur);
// The lines a text takes in `largeur`, broken between words.
QStringList Lignes(const QString& texte, const Police& police, double largeur);

// A text in the box `boite`: on one line cut in its middle, or on up to `lignes_max` lines;
// returns the height it took.
double Texte_Boite(Document& document, const QRectF& boite, const QString& texte,
                   const Police& police, int alignement = A_Gauche, int lignes_max = 1,
                   Couleur couleur = Document_PDF::Noir);

// The PDF file of a report: its pages drawn by `dessiner`, titled `titre`.
QByteArray Fichier(const QString& titre, const std::function<void(Document&)>& dessiner);

class Page {
  public:
    explicit Page(Document& document);

    double Gauche() const { return Marge_mm; }
    double Largeur() const { return Largeur_Page_mm - 2 * Marge_mm; }
    double Y() const { return y_; }
    void Descendre(double mm) { y_ += mm; }
    void Aller(double y) { y_ = y; }

    // Text from x, `largeur` wide, from the current line down; returns the height it took.
    double Texte(double x, double largeur, const QString& texte, const Police& police,
                 int alignement = A_Gauche, int lignes_max = 1,
                 Couleur couleur = Document_PDF::Noir);

    void Titre_Section(const QString& titre);

    // Label and value side by side, in a column starting at x; each on up to `lignes_max`
    // lines. Returns the height of the row.
    double Champ(double x, double largeur, const QString& libelle, const QString& valeur,
                 double part_libelle, int lignes_max, double points = 8);

    // The report's title at the top, the program and the date it was made on the right.
    void En_Tete(const QString& titre, double edite_le);

    // The verdict across the page in large framed capitals ("NON CONFORME"), so that a black
    // and white copy still reads it.
    void Verdict(Criteres::Verdict verdict);

    // The box where the technician signs: name, date, signature.
    void Visa();

    // "page N / M" at the foot of the page.
    void Pied(int numero, int nombre);

    Document& Dessin() { return document_; }

  private:
    Document& document_;
    double y_ = 12;
};

}  // namespace Page_Rapport
