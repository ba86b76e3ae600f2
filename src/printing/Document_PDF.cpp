#include "printing/Document_PDF.h"

#include <array>

#include "core/Cp1252.h"

namespace Document_PDF {

namespace {

constexpr double Points_Par_Mm = 72 / 25.4;
constexpr double Hauteur_Page_Pt = Hauteur_Page_mm * Points_Par_Mm;

// Advance widths of Helvetica and Helvetica-Bold in thousandths of the body, for each
// Windows-1252 code (Adobe's font metrics).
constexpr std::array<uint16_t, 256> Largeurs_Helvetica = {
    0,    0,   0,   0,   0,   0,   0,   0,    0,   0,    0,    0,    0,   0,   0,    0,   0,   0,
    0,    0,   0,   0,   0,   0,   0,   0,    0,   0,    0,    0,    0,   0,   278,  278, 355, 556,
    556,  889, 667, 191, 333, 333, 389, 584,  278, 333,  278,  278,  556, 556, 556,  556, 556, 556,
    556,  556, 556, 556, 278, 278, 584, 584,  584, 556,  1015, 667,  667, 722, 722,  667, 611, 778,
    722,  278, 500, 667, 556, 833, 722, 778,  667, 778,  722,  667,  611, 722, 667,  944, 667, 667,
    611,  278, 278, 278, 469, 556, 333, 556,  556, 500,  556,  556,  278, 556, 556,  222, 222, 500,
    222,  833, 556, 556, 556, 556, 333, 500,  278, 556,  500,  722,  500, 500, 500,  334, 260, 334,
    584,  0,   556, 0,   222, 556, 333, 1000, 556, 556,  333,  1000, 667, 333, 1000, 0,   611, 0,
    0,    222, 222, 333, 333, 350, 556, 1000, 333, 1000, 500,  333,  944, 0,   500,  667, 278, 333,
    556,  556, 556, 556, 260, 556, 333, 737,  370, 556,  584,  333,  737, 333, 400,  584, 333, 333,
    333,  556, 537, 278, 333, 333, 365, 556,  834, 834,  834,  611,  667, 667, 667,  667, 667, 667,
    1000, 722, 667, 667, 667, 667, 278, 278,  278, 278,  722,  722,  778, 778, 778,  778, 778, 584,
    778,  722, 722, 722, 722, 667, 667, 611,  556, 556,  556,  556,  556, 556, 889,  500, 556, 556,
    556,  556, 278, 278, 278, 278, 556, 556,  556, 556,  556,  556,  556, 584, 611,  556, 556, 556,
    556,  500, 556, 500,
};
constexpr std::array<uint16_t, 256> Largeurs_Helvetica_Grasse = {
    0,    0,   0,   0,   0,   0,   0,   0,    0,   0,    0,   0,    0,   0,   0,    0,   0,   0,
    0,    0,   0,   0,   0,   0,   0,   0,    0,   0,    0,   0,    0,   0,   278,  333, 474, 556,
    556,  889, 722, 238, 333, 333, 389, 584,  278, 333,  278, 278,  556, 556, 556,  556, 556, 556,
    556,  556, 556, 556, 333, 333, 584, 584,  584, 611,  975, 722,  722, 722, 722,  667, 611, 778,
    722,  278, 556, 722, 611, 833, 722, 778,  667, 778,  722, 667,  611, 722, 667,  944, 667, 667,
    611,  333, 278, 333, 584, 556, 333, 556,  611, 556,  611, 556,  333, 611, 611,  278, 278, 556,
    278,  889, 611, 611, 611, 611, 389, 556,  333, 611,  556, 778,  556, 556, 500,  389, 280, 389,
    584,  0,   556, 0,   278, 556, 500, 1000, 556, 556,  333, 1000, 667, 333, 1000, 0,   611, 0,
    0,    278, 278, 500, 500, 350, 556, 1000, 333, 1000, 556, 333,  944, 0,   500,  667, 278, 333,
    556,  556, 556, 556, 280, 556, 333, 737,  370, 556,  584, 333,  737, 333, 400,  584, 333, 333,
    333,  611, 556, 278, 333, 333, 365, 556,  834, 834,  834, 611,  722, 722, 722,  722, 722, 722,
    1000, 722, 667, 667, 667, 667, 278, 278,  278, 278,  722, 722,  778, 778, 778,  778, 778, 584,
    778,  722, 722, 722, 722, 667, 667, 611,  556, 556,  556, 556,  556, 556, 889,  556, 556, 556,
    556,  556, 278, 278, 278, 278, 611, 611,  611, 611,  611, 611,  611, 584, 611,  611, 611, 611,
    611,  556, 611, 556,
};
constexpr uint16_t Largeur_Courier = 600;
constexpr uint16_t Largeur_Delta = 612;  // Symbol's Delta

// Uppercase delta (the ΔH of the mean kinetic temperature) is not in Windows-1252: it is
// written as the "D" of the Symbol font.
constexpr char16_t Delta = u'\u0394';

QByteArray Nombre(double valeur) {
    return QByteArray::number(valeur, 'f', 2);
}

double X(double mm) {
    return mm * Points_Par_Mm;
}
double Y(double mm) {
    return Hauteur_Page_Pt - mm * Points_Par_Mm;
}

QByteArray Point(QPointF p) {
    return Nombre(X(p.x())) + ' ' + Nombre(Y(p.y()));
}

// A PDF literal string of the bytes.
QByteArray Chaine(const QByteArray& octets) {
    QByteArray chaine = "(";
    for (char c : octets) {
        if (c == '(' || c == ')' || c == '\\') chaine += '\\';
        chaine += c;
    }
    return chaine + ')';
}

const char* Nom_Police(Police police) {
    switch (police) {
        case Police::Grasse:
            return "/F2";
        case Police::Fixe:
            return "/F3";
        case Police::Normale:
            break;
    }
    return "/F1";
}

}  // namespace

Document::Document() {
    Nouvelle_Page();
}

void Document::Nouvelle_Page() {
    pages_.emplace_back();
    Page().reserve(1 << 16);
}

void Document::Trait(Couleur c, double epaisseur_mm, Tirets tirets) {
    QByteArray& p = Page();
    p += Nombre(c.rouge / 255.0) + ' ' + Nombre(c.vert / 255.0) + ' ' + Nombre(c.bleu / 255.0) +
         " RG " + Nombre(X(epaisseur_mm)) + " w ";
    switch (tirets) {
        case Tirets::Plein:
            p += "[] 0 d\n";
            break;
        case Tirets::Tirets:
            p += '[' + Nombre(X(2)) + ' ' + Nombre(X(1.2)) + "] 0 d\n";
            break;
        case Tirets::Points:
            p += '[' + Nombre(X(0.5)) + ' ' + Nombre(X(0.8)) + "] 0 d\n";
            break;
    }
}

void Document::Ligne(QPointF de, QPointF a) {
    Page() += Point(de) + " m " + Point(a) + " l S\n";
}

void Document::Polyligne(const std::vector<QPointF>& points) {
    if (points.size() < 2) return;
    QByteArray& p = Page();
    p += Point(points.front()) + " m\n";
    for (std::size_t i = 1; i < points.size(); ++i)
        p += Point(points[i]) + " l\n";
    p += "S\n";
}

void Document::Rectangle(const QRectF& r) {
    Page() += Nombre(X(r.left())) + ' ' + Nombre(Y(r.bottom())) + ' ' + Nombre(X(r.width())) + ' ' +
              Nombre(X(r.height())) + " re S\n";
}

void Document::Limiter(const QRectF& r) {
    Page() += "q " + Nombre(X(r.left())) + ' ' + Nombre(Y(r.bottom())) + ' ' +
              Nombre(X(r.width())) + ' ' + Nombre(X(r.height())) + " re W n\n";
}

void Document::Fin_Limite() {
    Page() += "Q\n";
}

void Document::Texte(QPointF origine, const QString& texte, Police police, double corps,
                     Couleur c) {
    if (texte.isEmpty()) return;
    QByteArray& p = Page();
    p += "BT " + Nombre(c.rouge / 255.0) + ' ' + Nombre(c.vert / 255.0) + ' ' +
         Nombre(c.bleu / 255.0) + " rg " + Point(origine) + " Td\n";
    // Runs of Windows-1252 text, and the deltas between them in Symbol.
    qsizetype debut = 0;
    while (debut < texte.size()) {
        const bool delta = texte[debut] == Delta;
        qsizetype fin = debut;
        while (fin < texte.size() && (texte[fin] == Delta) == delta)
            ++fin;
        const QStringView morceau = QStringView(texte).mid(debut, fin - debut);
        p += (delta ? QByteArray("/F4") : QByteArray(Nom_Police(police))) + ' ' + Nombre(corps) +
             " Tf " +
             Chaine(delta ? QByteArray(static_cast<int>(morceau.size()), 'D')
                          : Cp1252::Encode(morceau)) +
             " Tj\n";
        debut = fin;
    }
    p += "ET\n";
}

double Document::Largeur(const QString& texte, Police police, double corps) {
    double milliemes = 0;
    for (const QChar c : texte) {
        if (c == Delta) {
            milliemes += Largeur_Delta;
            continue;
        }
        const auto code = static_cast<uint8_t>(Cp1252::Encode(QStringView(&c, 1)).at(0));
        milliemes += police == Police::Fixe     ? Largeur_Courier
                     : police == Police::Grasse ? Largeurs_Helvetica_Grasse[code]
                                                : Largeurs_Helvetica[code];
    }
    return milliemes / 1000 * corps / Points_Par_Mm;
}

QByteArray Document::Octets(const QString& titre, const QString& createur) const {
    QByteArray pdf = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
    std::vector<qsizetype> positions;
    const auto objet = [&](const QByteArray& corps) {
        positions.push_back(pdf.size());
        pdf += QByteArray::number(positions.size()) + " 0 obj\n" + corps + "\nendobj\n";
    };
    // A PDF text string in UTF-16 with its byte order mark.
    const auto texte_pdf = [](const QString& texte) {
        QByteArray octets = "<FEFF";
        for (const QChar c : texte)
            octets += QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
        return octets + '>';
    };
    const int premiere_page = 7;
    QByteArray enfants;
    for (std::size_t i = 0; i < pages_.size(); ++i)
        enfants += QByteArray::number(premiere_page + 2 * static_cast<int>(i)) + " 0 R ";
    objet("<< /Type /Catalog /Pages 2 0 R >>");
    objet("<< /Type /Pages /Kids [" + enfants + "] /Count " + QByteArray::number(pages_.size()) +
          " /MediaBox [0 0 " + Nombre(X(Largeur_Page_mm)) + ' ' + Nombre(Hauteur_Page_Pt) + "] >>");
    objet("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    objet(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding "
        ">>");
    objet("<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
    objet("<< /Type /Font /Subtype /Type1 /BaseFont /Symbol >>");
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        const int contenu = premiere_page + 2 * static_cast<int>(i) + 1;
        objet(
            "<< /Type /Page /Parent 2 0 R /Resources << /Font << /F1 3 0 R /F2 4 0 R /F3 5 0 R "
            "/F4 6 0 R >> >> /Contents " +
            QByteArray::number(contenu) + " 0 R >>");
        objet("<< /Length " + QByteArray::number(pages_[i].size()) + " >>\nstream\n" + pages_[i] +
              "\nendstream");
    }
    objet("<< /Title " + texte_pdf(titre) + " /Creator " + texte_pdf(createur) + " /Producer " +
          texte_pdf(createur) + " >>");
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(positions.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype position : positions)
        pdf += QByteArray::number(position).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(positions.size() + 1) + " /Root 1 0 R /Info " +
           QByteArray::number(positions.size()) + " 0 R >>\nstartxref\n" +
           QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

}  // namespace Document_PDF
