// The main window's print menus, into PDF files read back: "Graphique" prints the page with its
// caption and labels and puts the window back as it was; "Numérique" prints the table "Tableau"
// opened, then closes it.
#include "Banc_Programme.h"
#include "Lecture_PDF.h"
#include "printing/Imprimante_PDF.h"

TEST(MenusImpression, LeGraphiqueRemetLaFenetreLeNumeriqueFermeLeTableau) {
    Banc_Programme banc;
    Frm_Principal& f = banc.Construire();
    // Eight hours of a saved recording of the greenhouse logger, with a comment.
    Enregistrement_Essai().Identite(u"SERRE"_s).Constante(480, 20).Remplir(banc.Etat_Programme());
    banc.Etat_Programme().Nom_Fichier = u"/home/labo/Caldrix/Sauvegardes/serre.txt"_s;
    Graphique::Affiche_Courbes(banc.Etat_Programme(), *f.CWGraph_Enreg);
    f.Affiche_Infos_Enreg();
    f.Txt_Commentaire->setText(u"Four 3, lot 2026-118"_s);
    f.StatusBar->Afficher_Etat(u"Pasteurisation Valeur : 12mn le : 05/12/2026 09:00:00"_s);
    f.setGeometry(100, 80, 700, 500);
    f.show();
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(u"page.pdf"_s);
    f.Definir_Imprimante(std::make_unique<Imprimante_PDF>(pdf));
    // The plot area as the user sees it once the graph has redrawn.
    const auto zone_trace = [&] {
        f.CWGraph_Enreg->Redessiner_Maintenant();
        QCustomPlot& trace = f.CWGraph_Enreg->Trace_QCP();
        return trace.grab(trace.axisRect()->rect()).toImage();
    };
    // The one page and its caption, with the moment of the print; pdftotext lays out blanks as
    // it likes.
    const auto page = [&](const QString& fichier) {
        const QStringList pages = Pages_PDF(pdf);
        EXPECT_EQ(pages.size(), 1);
        EXPECT_TRUE(pages.value(0).simplified().contains(
            QRegularExpression(u"Caldrix - %1 - le"_s.arg(fichier).simplified() +
                               uR"( \d\d/\d\d/\d{4} \d\d:\d\d:\d\d Logger : SERRE)"_s)));
        return pages.value(0);
    };
    const QRect geometrie = f.geometry();
    const QImage zone = zone_trace();

    f.Mnu_Graph->trigger();

    const QString texte = page(u"/home/labo/Caldrix/Sauvegardes/serre.txt"_s);
    EXPECT_TRUE(texte.contains(u"Température °C"_s)) << "the axis title";
    EXPECT_TRUE(texte.contains(u"Four 3, lot 2026-118"_s)) << "the comment";
    // The status line as the window shows it, under the curves.
    EXPECT_TRUE(texte.contains(u"Pasteurisation Valeur : 12mn le : 05/12/2026 09:00:00"_s))
        << texte.toStdString();
    // The time labels below the plot area, at least four from the recording's start to its
    // end, each a date and its time, none running into the next.
    EXPECT_TRUE(texte.contains(QRegularExpression(
        uR"(05/12/2026 08:00:00(  +05/12/2026 \d\d:\d\d:\d\d){2,}  +05/12/2026 15:59:00\n)"_s)));
    EXPECT_EQ(f.geometry(), geometrie);
    // The plot area had no fill of its own: it must not come back painted (black).
    EXPECT_EQ(f.CWGraph_Enreg->Pinceau_Zone_Trace().style(), Qt::NoBrush);
    EXPECT_EQ(zone_trace(), zone);
    EXPECT_EQ(f.CWGraph_Enreg->Legende(), u"SERRE"_s);

    // Without a file the caption keeps its separators only; a maximized window stays so.
    banc.Etat_Programme().Nom_Fichier.clear();
    f.showMaximized();
    f.Mnu_Graph->trigger();
    page(QString());
    EXPECT_TRUE(f.isMaximized());

    f.Mnu_Num_Data->trigger();
    f.Mnu_Num->trigger();
    EXPECT_FALSE(f.Fenetre_Num_Data.Est_Chargee());
    EXPECT_TRUE(Pages_PDF(pdf).value(0).contains(u"Nom du module : SERRE"_s));
    EXPECT_TRUE(banc.dialogues.affichages.isEmpty());
}
