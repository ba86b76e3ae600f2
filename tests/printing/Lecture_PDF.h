// What a printed PDF file says, as pdftotext reads it: one text a page.
#pragma once

#include <QString>
#include <QStringList>

// Pages in order, each as pdftotext lays it out (columns kept); empty when the file cannot be
// read.
QStringList Pages_PDF(const QString& chemin);

// The last line of a page that holds something.
QString Derniere_Ligne(const QString& page);

// What pdfinfo says of the file: its number of pages and its title; 0 pages when unreadable.
struct Infos_PDF {
    int pages = 0;
    QString titre;
};
Infos_PDF Lire_Infos_PDF(const QString& chemin);

// The words of the first page with their boxes (points, from the top left), as pdftotext -bbox
// places them.
struct Mot_PDF {
    QString texte;
    double gauche, haut, droite, bas;
};
QList<Mot_PDF> Mots_PDF(const QString& chemin);
