// A PDF of A4 pages written by the program itself: lines, rectangles, polylines and texts in
// the standard fonts every PDF reader has (Helvetica, Helvetica-Bold, Courier, and Symbol for
// the Greek letters), so nothing is embedded and no font library is needed. The texts are in
// Windows-1252, like everything the program reads and writes: a reader can search and copy
// them. Only Qt Core: the command line draws a report without loading any graphics library.
//
// Lengths are in millimetres from the top left corner of the page.
#pragma once

#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <vector>

namespace Document_PDF {

constexpr double Largeur_Page_mm = 210;
constexpr double Hauteur_Page_mm = 297;

struct Couleur {
    uint8_t rouge = 0, vert = 0, bleu = 0;
};
constexpr Couleur Noir{0, 0, 0};

enum class Police { Normale, Grasse, Fixe };
enum class Tirets { Plein, Tirets, Points };

class Document {
  public:
    Document();

    void Nouvelle_Page();

    // The line the next strokes are drawn with.
    void Trait(Couleur couleur, double epaisseur_mm, Tirets tirets = Tirets::Plein);
    void Ligne(QPointF de, QPointF a);
    void Polyligne(const std::vector<QPointF>& points);
    void Rectangle(const QRectF& rectangle);
    // What is drawn from now on stays within `zone`, until Fin_Limite.
    void Limiter(const QRectF& zone);
    void Fin_Limite();

    // A text whose baseline starts at `origine`, `corps` points high.
    void Texte(QPointF origine, const QString& texte, Police police, double corps,
               Couleur couleur = Noir);
    // Its width, in millimetres.
    static double Largeur(const QString& texte, Police police, double corps);

    // The file, titled `titre`, made by `createur`.
    QByteArray Octets(const QString& titre, const QString& createur) const;

  private:
    std::vector<QByteArray> pages_;
    QByteArray& Page() { return pages_.back(); }
};

}  // namespace Document_PDF
