// A kept study's file, written and read back, and a recording of it gone.
#include "Dossier_Temporaire.h"
#include "core/Cp1252.h"
#include "core/Textes.h"
#include "study/Fichier_Etude.h"

using namespace Qt::StringLiterals;

namespace {

using namespace Criteres;

Etude::Etude_Gardee Etude_Jambon() {
    Etude::Etude_Gardee e;
    e.jeu.nom = u"Four 2 – cuisson [jambon]"_s;
    e.jeu.seuil_haut = Regle_Seuil{80.5f, Mode_Seuil::Consecutif, 300};
    e.jeu.maintien = Regle_Maintien{72, 600};
    e.jeu.cuisson = Regle_Cuisson{100, 120};
    e.jeu.equilibrage_max_s = 900;
    e.verdict = Verdict::Non_Conforme;
    e.auteur = u"Hélène"_s;
    e.poste = u"LABO-2"_s;
    e.date = Date_Depuis_Civil(2026, 12, 8, 14, 5, 0);
    e.pieces = {{u"/srv/cuisson/four 2 sonde 1.txt"_s, QString(64, u'a')},
                {u"/srv/cuisson/four 2 sonde 2.txt"_s, QString(64, u'0')}};
    return e;
}

}  // namespace

TEST(Fichier_Etude, RelueTelleQuEcrite) {
    const Etude::Etude_Gardee ecrite = Etude_Jambon();
    const QByteArray octets = Etude::Contenu_Etude(ecrite);
    EXPECT_TRUE(octets.contains("\r\nverdict = non conforme\r\n")) << octets.constData();
    EXPECT_TRUE(octets.contains("auteur = H\xe9l\xe8ne\r\n")) << "Windows-1252, CR LF";

    const auto lue = Etude::Lecture_Contenu_Etude(octets);
    ASSERT_TRUE(lue) << lue.Erreur().toStdString();
    EXPECT_EQ(lue->jeu, ecrite.jeu);
    EXPECT_EQ(lue->verdict, ecrite.verdict);
    EXPECT_EQ(lue->auteur, ecrite.auteur);
    EXPECT_EQ(lue->poste, ecrite.poste);
    EXPECT_EQ(Texte_Date_Heure(lue->date), u"08/12/2026 14:05:00"_s);
    ASSERT_EQ(lue->pieces.size(), 2U);
    EXPECT_EQ(lue->pieces[0].fichier, ecrite.pieces[0].fichier) << "a path with blanks";
    EXPECT_EQ(lue->pieces[1].empreinte, ecrite.pieces[1].empreinte);

    Etude::Etude_Gardee sans_regle = ecrite;
    sans_regle.jeu = Jeu_Criteres{};
    const auto relue = Etude::Lecture_Contenu_Etude(Etude::Contenu_Etude(sans_regle));
    ASSERT_TRUE(relue) << relue.Erreur().toStdString();
    EXPECT_EQ(relue->jeu, Jeu_Criteres{});
}

TEST(Fichier_Etude, RefuseeEntiereAvecLaLigneFautive) {
    const QString juste = Cp1252::Decode(Etude::Contenu_Etude(Etude_Jambon()));
    const struct {
        const char* nom;
        QString avant, apres, attendu;
    } cas[] = {
        {"verdict inconnu", u"verdict = non conforme"_s, u"verdict = bon"_s,
         u"ligne 2 : verdict inconnu"_s},
        {"empreinte courte", u"fichier = aaaa"_s, u"fichier = aa"_s,
         u"ligne 7 : « fichier = SHA-256 chemin » attendu"_s},
        {"clé inconnue", u"poste = LABO-2"_s, u"salle = 3"_s,
         u"ligne 4 : clé « salle » inconnue"_s},
        {"règle fausse", u"maintien = 72 600"_s, u"maintien = 72 dix"_s, u"ligne 11 : "_s},
        {"date manquante", u"date = 08/12/2026 14:05:00"_s, u"; plus de date"_s,
         u"« date » manquant"_s},
        {"coupée avant les règles", u"[Règles]"_s, QString(), u"[Règles] manquant"_s},
    };
    for (const auto& c : cas) {
        QString texte = juste;
        if (c.apres.isNull()) {
            texte.truncate(texte.indexOf(c.avant));
        } else {
            ASSERT_TRUE(texte.contains(c.avant)) << c.nom;
            texte.replace(c.avant, c.apres);
        }
        const auto lue = Etude::Lecture_Contenu_Etude(Cp1252::Encode(texte));
        EXPECT_FALSE(lue) << c.nom;
        EXPECT_TRUE(lue.Erreur().contains(c.attendu))
            << c.nom << " : " << lue.Erreur().toStdString();
    }
}

// A file kept but intact or changed is read by the archive's and the window's tests.
using Pieces_Etude = Dossier_Temporaire<>;

TEST_F(Pieces_Etude, AbsenteNommee) {
    const Etude::Piece absente{Chemin(u"disparu.txt"_s), QString(64, u'a')};
    const Etude::Piece_Relue perdue = Etude::Relire_Piece(absente);
    EXPECT_EQ(perdue.etat, Etude::Etat_Piece::Absente);
    EXPECT_EQ(Etude::Texte_Etat_Piece(absente, perdue.etat),
              absente.fichier + u" : fichier introuvable"_s);
}
