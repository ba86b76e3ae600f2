// caldrix-cli study --report and report with a set of rules: the pages read back as a reader
// would, with pdftotext.

#include "Cli_Test.h"
#include "Lecture_PDF.h"

namespace {

class Rapport_Etude : public Cli_Test {
  protected:
    // Loggers L01, L02…: the even ones hold 72 °C for three minutes, the odd ones never reach
    // it.
    QStringList Charge(int nombre) {
        QStringList fichiers;
        for (int i = 1; i <= nombre; ++i) {
            const QString identite = u"L%1"_s.arg(i, 2, 10, QLatin1Char('0'));
            const std::vector<float> temperatures =
                i % 2 == 0 ? std::vector<float>{60, 72, 73, 74, 70}
                           : std::vector<float>{60, 65, 70, 71, 70 - 0.1f * i};
            fichiers << Ecrire_Logger(identite, temperatures);
        }
        return fichiers;
    }
};

}  // namespace

// Each identity with its verdict on its row, each file's SHA-256, and the pages: one A4 page up to
// 8 recordings, the table going on over a second page for 12.
TEST_F(Rapport_Etude, ChaqueEnregistrementSonVerdictSonEmpreinteEtLesPages) {
    for (const auto& [enregistrements, nombre_pages] : {std::pair{8, 1}, {12, 2}}) {
        SCOPED_TRACE(u"%1 enregistrements"_s.arg(enregistrements).toStdString());
        const QStringList fichiers = Charge(enregistrements);
        const QString pdf = Chemin(u"etude.pdf"_s);
        const Execution e = Lancer(u"study "_s + fichiers.join(u' ') +
                                   u" --process 72 --hold 120 --report "_s + pdf + u" --force"_s);
        EXPECT_EQ(e.code, 5) << e.erreurs.toStdString();
        EXPECT_TRUE(e.sortie.endsWith(u"Rapport d'étude enregistré dans %1\n"_s.arg(pdf)));
        const QStringList pages = Pages_PDF(pdf);
        ASSERT_EQ(pages.size(), nombre_pages);
        const QString texte = pages.join(u'\n');
        for (int i = 1; i <= enregistrements; ++i) {
            const QString identite = u"L%1"_s.arg(i, 2, 10, QLatin1Char('0'));
            const QString verdict = i % 2 == 0 ? u"conforme"_s : u"non conforme"_s;
            EXPECT_TRUE(
                texte.contains(QRegularExpression(u"(?m)^ *%1 .* %2$"_s.arg(identite, verdict))))
                << identite.toStdString() << " " << verdict.toStdString();
            EXPECT_TRUE(texte.contains(Sha256(fichiers[i - 1]))) << identite.toStdString();
        }
        EXPECT_TRUE(texte.contains(u"Maintien : minimum 2 min à 72 °C"_s)) << "the rule's limit";
        EXPECT_TRUE(pages.last().contains(u"page %1 / %1"_s.arg(nombre_pages)));
        EXPECT_TRUE(pages.first().contains(u"Visa"_s));
    }
}

// An existing file is replaced only with --force, and left as it was otherwise; standard output
// stays one JSON object with --json.
TEST_F(Rapport_Etude, UnFichierExistantNEstRemplaceQuAvecForce) {
    const QStringList fichiers = Charge(2);
    const QString pdf = Ecrire(u"etude.pdf"_s, "ancien");
    const QString commande =
        u"study "_s + fichiers.join(u' ') + u" --process 72 --hold 120 --json --report "_s + pdf;
    Refusee(commande, 3, u"Le fichier existe déjà : %1 (--force pour le remplacer)"_s.arg(pdf));
    EXPECT_EQ(Octets(pdf), "ancien");

    const Execution e = Lancer(commande + u" --force"_s);
    EXPECT_EQ(e.code, 5) << e.erreurs.toStdString();
    EXPECT_FALSE(QJsonDocument::fromJson(e.sortie.toUtf8()).isNull()) << e.sortie.toStdString();
    EXPECT_EQ(Pages_PDF(pdf).size(), 1);
}

// The one-page report judged by a named set: its MKT rule, and its high limit drawn on the graph
// (the set's title, the lines of its other rules and the verdict in capitals: the statistics
// window's test).
TEST_F(Rapport_Etude, LeRapportDUnePageAvecUnJeuDeCriteres) {
    Ecrire(u"criteres.ini"_s, "[Four strict]\r\nseuil_haut = 70\r\nmkt = 90\r\n");
    const QString pdf = Chemin(u"rapport.pdf"_s);
    const QStringList rapport = {u"report"_s, Fixture("four_7306.txt"), u"--output"_s, pdf};
    Reussie(rapport + QStringList{u"--criteria"_s, u"Four strict"_s});
    const QStringList pages = Pages_PDF(pdf);
    ASSERT_EQ(pages.size(), 1);
    for (const QString& attendu :
         {u"MKT : 65.73 °C (maximum 90 °C) : conforme"_s, u"Seuil haut (70 °C)"_s})
        EXPECT_TRUE(pages.first().contains(attendu)) << attendu.toStdString() << "\n"
                                                     << pages.first().toStdString();
    // Rules given for this time only have no name to quote.
    Reussie(rapport + QStringList{u"--force"_s, u"--mkt-max"_s, u"90"_s});
    EXPECT_TRUE(Pages_PDF(pdf).join(u' ').contains(u"Critères (tout l'enregistrement)"_s));
}
