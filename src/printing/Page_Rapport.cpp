#include "printing/Page_Rapport.h"

#include <algorithm>

#include "core/Programme.h"
#include "core/Textes.h"

namespace Page_Rapport {

Police Corps(double points, bool grasse, bool fixe) {
    return {fixe     ? Document_PDF::Police::Fixe
            : grasse ? Document_PDF::Police::Grasse
                     : Document_PDF::Police::Normale,
            points};
}

Couleur Couleur_Verdict(Criteres::Verdict verdict) {
    switch (verdict) {
        case Criteres::Verdict::Conforme:
            return {0x1b, 0x7a, 0x2f};
        case Criteres::Verdict::Non_Conforme:
            return {0xb3, 0x26, 0x1e};
        case Criteres::Verdict::Non_Verifiable:
            break;
    }
    return {0x8a, 0x5a, 0x00};
}

QString Raccourci(const QString& texte, const Police& police, double largeur) {
    if (police.Largeur(texte) <= largeur) return texte;
    const QString points = QStringLiteral("…");
    qsizetype garde = texte.size();
    QString court;
    do {
        --garde;
        const qsizetype tete = (garde + 1) / 2;
        court = texte.left(tete) + points + texte.right(garde - tete);
    } while (garde > 0 && police.Largeur(court) > largeur);
    return court;
}

QStringList Lignes(const QString& texte, const Police& police, double largeur) {
    QStringList lignes;
    for (const QString& paragraphe : texte.split(QLatin1Char('\n'))) {
        QString ligne;
        for (const QString& mot : paragraphe.split(QLatin1Char(' '))) {
            const QString essai = ligne.isEmpty() ? mot : ligne + QLatin1Char(' ') + mot;
            if (!ligne.isEmpty() && police.Largeur(essai) > largeur) {
                lignes << ligne;
                ligne = mot;
            } else {
                ligne = essai;
            }
        }
        lignes << ligne;
    }
    return lignes;
}

double Texte_Boite(Document& document, const QRectF& boite, const QString& texte,
                   const Police& police, int alignement, int lignes_max, Couleur couleur) {
    QStringList lignes = lignes_max == 1 && !texte.contains(QLatin1Char('\n'))
                             ? QStringList{Raccourci(texte, police, boite.width())}
                             : Lignes(texte, police, boite.width());
    if (lignes.size() > lignes_max) {
        lignes = lignes.mid(0, lignes_max);
        lignes.last() = Raccourci(lignes.last() + QStringLiteral("…"), police, boite.width());
    }
    const double hauteur = police.Interligne() * static_cast<double>(lignes.size());
    double y = boite.top();
    if (alignement & Au_Milieu) y += (boite.height() - hauteur) / 2;
    for (const QString& ligne : lignes) {
        const double largeur = police.Largeur(ligne);
        const double x = alignement & A_Droite    ? boite.right() - largeur
                         : alignement & Au_Centre ? boite.left() + (boite.width() - largeur) / 2
                                                  : boite.left();
        document.Texte(QPointF(x, y + police.Hampe()), ligne, police.police, police.corps, couleur);
        y += police.Interligne();
    }
    return hauteur;
}

QByteArray Fichier(const QString& titre, const std::function<void(Document&)>& dessiner) {
    Document document;
    dessiner(document);
    return document.Octets(titre, Programme::Nom_Version());
}

Page::Page(Document& document) : document_(document) {}

double Page::Texte(double x, double largeur, const QString& texte, const Police& police,
                   int alignement, int lignes_max, Couleur couleur) {
    return Texte_Boite(document_, QRectF(x, y_, largeur, 0), texte, police, alignement, lignes_max,
                       couleur);
}

void Page::Titre_Section(const QString& titre) {
    Descendre(2);
    y_ += Texte(Gauche(), Largeur(), titre, Corps(10, true));
    document_.Trait({0x80, 0x80, 0x80}, 0.2);
    document_.Ligne(QPointF(Gauche(), y_), QPointF(Gauche() + Largeur(), y_));
    Descendre(1.2);
}

double Page::Champ(double x, double largeur, const QString& libelle, const QString& valeur,
                   double part_libelle, int lignes_max, double points) {
    if (valeur.isEmpty())
        return Texte(x, largeur, libelle, Corps(points, true), A_Gauche, lignes_max);
    const double h1 = Texte(x, largeur * part_libelle - 1, libelle, Corps(points), A_Gauche,
                            lignes_max, {0x44, 0x44, 0x44});
    const double h2 = Texte(x + largeur * part_libelle, largeur * (1 - part_libelle), valeur,
                            Corps(points), A_Gauche, lignes_max);
    return std::max(h1, h2);
}

void Page::En_Tete(const QString& titre, double edite_le) {
    const Police grand = Corps(16, true);
    Texte(Gauche(), Largeur(), titre, grand);
    const Police petit = Corps(8);
    Texte_Boite(
        document_, QRectF(Gauche(), y_ + grand.Hampe() - petit.Hampe(), Largeur(), 0),
        Programme::Nom_Version() + QStringLiteral(" — édité le ") + Texte_Date_Heure(edite_le),
        petit, A_Droite);
    Descendre(9);
}

void Page::Verdict(Criteres::Verdict verdict) {
    const Couleur couleur = Couleur_Verdict(verdict);
    const QRectF cadre(Gauche() + Largeur() / 4, y_, Largeur() / 2, 11);
    document_.Trait(couleur, 0.8);
    document_.Rectangle(cadre);
    Texte_Boite(document_, cadre, Criteres::Texte_Verdict(verdict).toUpper(), Corps(18, true),
                Au_Centre | Au_Milieu, 1, couleur);
    Descendre(13);
}

void Page::Visa() {
    Titre_Section(QStringLiteral("Visa"));
    const QRectF cadre(Gauche(), y_, Largeur(), 24);
    document_.Trait(Document_PDF::Noir, 0.3);
    document_.Rectangle(cadre);
    const char* const champs[] = {"Nom", "Date", "Signature"};
    const double largeur = cadre.width() / 3;
    for (int i = 0; i < 3; ++i) {
        const double x = cadre.left() + i * largeur;
        if (i > 0) document_.Ligne(QPointF(x, cadre.top()), QPointF(x, cadre.bottom()));
        Texte_Boite(document_, QRectF(x + 2, cadre.top() + 1.5, largeur - 4, 5),
                    QString::fromUtf8(champs[i]), Corps(8, true));
    }
    Descendre(24);
}

void Page::Pied(int numero, int nombre) {
    Texte_Boite(document_, QRectF(Gauche(), Hauteur_Page_mm - 10, Largeur(), 0),
                QStringLiteral("page %1 / %2").arg(numero).arg(nombre), Corps(8), A_Droite);
}

}  // namespace Page_Rapport
