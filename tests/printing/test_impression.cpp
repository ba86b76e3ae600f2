// Pages printed into PDF files and read back: the numeric table, the main window's print menus,
// and the curves of the graph page reduced to what the page can show.
#include "Banc_Programme.h"
#include "Dossier_Temporaire.h"
#include "Lecture_PDF.h"
#include "Limite_Taille_Fichier.h"
#include "printing/Graphe_Page.h"
#include "printing/Impression.h"
#include "printing/Imprimante.h"
#include "printing/Imprimante_PDF.h"
#include "table/Lignes_Tableau.h"

namespace {

const double Maintenant = Date_Depuis_Civil(2026, 12, 5, 15, 30, 0);

// The table of a 7307 recording, `entrees` entries in all (the two description lines and the
// header included); entry k tells its place by its time.
QStringList Table(int entrees) {
    return Lignes_Tableau::Lignes(*Enregistrement_Essai(7307)
                                       .Identite(u"SERRE"_s)
                                       .Constante(entrees - 3, 20.5f)
                                       .Etat_Rempli(),
                                  {0, 1e6, true});
}
const auto Heure = [](int entree) { return Texte_Date(Enregistrement_Essai().Date(entree - 2)); };

struct Aucune_Imprimante : Imprimante {
    std::unique_ptr<QPrinter> Nouvelle_Tache() override { return nullptr; }
};

}  // namespace

// Entries 3 to 239 on the first page under the title and the recording, 240 a page after it
// under the header written three times, three entries a line with all their columns, every
// page ending with its number, and never a page without entries.
TEST(ImpressionTableau, LesPagesSuiventLaMiseEnPage) {
    QTemporaryDir dossier;
    Imprimante_PDF pdf(dossier.filePath(u"table.pdf"_s));
    Dialogues_Scriptes dialogues;
    for (auto [nombre, attendues] : {std::pair{239, 1}, {240, 1}, {483, 3}, {16003, 67}}) {
        SCOPED_TRACE(nombre);
        Impression::Impression_Tableau(Table(nombre), Maintenant, pdf, dialogues);
        const QStringList pages = Pages_PDF(pdf.Chemin());
        ASSERT_EQ(pages.size(), attendues);
        EXPECT_TRUE(pages[0].trimmed().startsWith(u"Caldrix le 05/12/2026 15:30:00"_s));
        EXPECT_TRUE(pages[0].contains(u"Nom du module : SERRE"_s));
        EXPECT_TRUE(pages[0].contains(u"Periode d'enregistrement (s) : 60"_s));
        const QString ligne = pages[0].split(QLatin1Char('\n')).filter(Heure(3)).value(0);
        EXPECT_TRUE(ligne.contains(Heure(4)) && ligne.contains(Heure(5)))
            << "three measures a line: " << ligne.toStdString();
        EXPECT_EQ(ligne.count(u"20.5"_s), 3) << ligne.toStdString();
        EXPECT_TRUE(ligne.contains(u"43"_s)) << "the humidity: " << ligne.toStdString();
        for (int p = 1; p <= attendues; ++p) {
            const QString& page = pages[p - 1];
            const int derniere = std::min(240 * p, nombre) - 1;
            EXPECT_EQ(page.trimmed().split(u'\n').last().trimmed(), u"page %1"_s.arg(p));
            EXPECT_EQ(page.count(u"Date / Température"_s), 3) << "column heads, page " << p;
            EXPECT_TRUE(p == 1 || page.trimmed().startsWith(u"Date / Température"_s))
                << "page " << p << " starts with its column heads";
            EXPECT_TRUE(page.contains(Heure(p == 1 ? 3 : 240 * (p - 1))))
                << "first measure of page " << p;
            EXPECT_TRUE(page.contains(Heure(derniere))) << "last measure of page " << p;
            EXPECT_FALSE(page.contains(Heure(derniere + 1))) << "page " << p << " goes no further";
        }
    }
    EXPECT_TRUE(dialogues.affichages.isEmpty());
}

// Without a printer the user may have the page in a PDF file, or nothing; a print that cannot
// start is told; so is a full disk, which leaves the old file whole and no other file behind.
using TacheImpression = Dossier_Temporaire<>;

TEST_F(TacheImpression, SansImprimanteImpossibleACommencerOuAFinir) {
    const QString chemin = Chemin(u"tableau.pdf"_s);
    Aucune_Imprimante aucune;
    Dialogues_Scriptes dialogues;
    dialogues.reponses_questions = {false, true};
    dialogues.reponses_fichiers = {chemin};
    Impression::Impression_Tableau(Table(4), Maintenant, aucune, dialogues);
    EXPECT_FALSE(QFile::exists(chemin));
    Impression::Impression_Tableau(Table(4), Maintenant, aucune, dialogues);
    EXPECT_EQ(dialogues.affichages.value(1).texte,
              u"Aucune imprimante n'est installée.\nVoulez vous enregistrer la "
              "page dans un fichier PDF ?"_s);
    ASSERT_EQ(dialogues.dialogues_fichiers.size(), 1);
    EXPECT_EQ(dialogues.dialogues_fichiers[0].Filtre, u"(*.pdf)|*.pdf"_s);
    EXPECT_TRUE(Pages_PDF(chemin).value(0).contains(Heure(3)));

    const QString absent = u"/dossier/absent/tableau.pdf"_s;
    Imprimante_PDF sans_dossier(absent);
    Impression::Impression_Tableau(Table(4), Maintenant, sans_dossier, dialogues);
    Ecrire(u"tableau.pdf"_s, "ancien");
    Imprimante_PDF imprimante(chemin);
    {
        const Limite_Taille_Fichier disque_plein(4096);
        Impression::Impression_Tableau(Table(3000), Maintenant, imprimante, dialogues);
    }
    EXPECT_EQ(dialogues.Messages(),
              (QStringList{u"L'impression n'a pas pu commencer sur « %1 »."_s.arg(absent),
                           u"L'impression sur « %1 » n'a pas abouti."_s.arg(chemin)}));
    EXPECT_EQ(Octets(chemin), "ancien");
    EXPECT_EQ(QFileInfo(chemin).dir().entryList(QDir::Files), QStringList{u"tableau.pdf"_s});
}

// "Graphique" prints the window on the page and puts it back as it was; "Numérique" prints the
// table "Tableau" opened, then closes it.
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

// 16000 points over 400 columns of 1: a peak and a trough one point wide each stay, with the
// first and last points, and no more than four points a column are drawn.
TEST(GraphePage, UnPicEtUnCreuxDUnPointRestentApresLaReduction) {
    std::vector<QPointF> points;
    for (int i = 0; i < 16000; ++i)
        points.emplace_back(i * 0.025, 100);
    points[7001].setY(10);    // a peak: page y grows downwards
    points[12003].setY(190);  // a trough
    points.back().setY(150);
    const std::vector<QPointF> reduits = Graphe_Page::Reduire(points, 0, 1);
    EXPECT_LE(reduits.size(), 4u * 400u);
    const auto contient = [&](const QPointF& p) {
        return std::find(reduits.begin(), reduits.end(), p) != reduits.end();
    };
    for (std::size_t i : {std::size_t{0}, std::size_t{7001}, std::size_t{12003}, points.size() - 1})
        EXPECT_TRUE(contient(points[i])) << "point " << i;
    EXPECT_TRUE(std::is_sorted(reduits.begin(), reduits.end(),
                               [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); }))
        << "in their order";
}

// A rising curve drawn on the page rises, left to right, inside the frame it was given: the
// page's own y grows downwards, the PDF's upwards.
TEST(GraphePage, UneCourbeQuiMonteEstTraceeMontanteDansSonCadre) {
    Graphe_Page::Graphe g;
    g.unite_gauche = QStringLiteral("Température °C");
    Graphe_Page::Courbe c;
    c.libelle = QStringLiteral("FOUR01");
    c.points = {{46000, 20}, {46000.5, 50}, {46001, 80}};
    g.courbes.push_back(c);
    Document_PDF::Document document;
    const QRectF cadre(20, 30, 160, 90);  // millimetres from the top left corner
    Graphe_Page::Dessiner(document, cadre, g);
    const QByteArray pdf = document.Octets(QStringLiteral("essai"), QStringLiteral("essai"));

    // The only polyline of three points: "x y m", "x y l", "x y l", "S".
    const QRegularExpressionMatch ligne =
        QRegularExpression(u"\n(\\S+) (\\S+) m\n(\\S+) (\\S+) l\n(\\S+) (\\S+) l\nS\n"_s)
            .match(QString::fromLatin1(pdf));
    ASSERT_TRUE(ligne.hasMatch()) << pdf.constData();
    std::vector<QPointF> trace;
    for (int i = 1; i <= 5; i += 2)
        trace.emplace_back(ligne.captured(i).toDouble(), ligne.captured(i + 1).toDouble());
    // The frame in PDF points, from the bottom left corner of the A4 page.
    constexpr double pt = 72 / 25.4;
    const QRectF cadre_pdf(cadre.left() * pt, (297 - cadre.bottom()) * pt, cadre.width() * pt,
                           cadre.height() * pt);
    for (const QPointF& p : trace)
        EXPECT_TRUE(cadre_pdf.contains(p)) << p.x() << " " << p.y();
    EXPECT_LT(trace[0].x(), trace[1].x());
    EXPECT_LT(trace[1].x(), trace[2].x());
    EXPECT_LT(trace[0].y(), trace[1].y()) << "20 °C below 50 °C";
    EXPECT_LT(trace[1].y(), trace[2].y()) << "50 °C below 80 °C";
    // Evenly spaced values, evenly spaced on the page.
    EXPECT_NEAR(trace[1].y() - trace[0].y(), trace[2].y() - trace[1].y(), 0.02);
}
