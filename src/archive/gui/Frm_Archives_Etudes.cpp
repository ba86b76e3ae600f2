// The tab "Études" of the Archives window.
#include <QTableWidget>

#include "archive/Archive.h"
#include "archive/gui/Frm_Archives.h"
#include "core/Dialogues.h"
#include "core/Textes.h"

void Frm_Archives::Lister_Etudes() {
    auto etudes = archive_->Lister_Etudes();
    if (!etudes) {
        dialogues_.Message(etudes.Erreur(), Dialogues::Icone::Exclamation);
        return;
    }
    etudes_ = std::move(*etudes);
    Lst_Etudes->setRowCount(static_cast<int>(etudes_.size()));
    for (int r = 0; r < etudes_.size(); ++r) {
        const Fiche_Etude& e = etudes_[r];
        const auto fait = Lecture_Date_ISO(e.Fait);
        const QStringList cellules = {
            fait ? Texte_Date_Heure(*fait) : e.Fait,
            e.Jeu.isEmpty() ? QStringLiteral("(règles de l'étude)") : e.Jeu,
            e.Verdict.toUpper(),
            QString::number(e.Enregistrements),
            e.Auteur,
            e.Poste};
        for (int c = 0; c < cellules.size(); ++c)
            Lst_Etudes->setItem(r, c, new QTableWidgetItem(cellules[c]));
    }
    Lst_Etudes->resizeColumnsToContents();
}

// Each recording from its own file while that still holds the bytes the study judged, otherwise
// from the archive's copy of them; the study window says which files changed or went.
void Frm_Archives::Lst_Etudes_DblClick(int rangee) {
    if (rangee < 0 || rangee >= etudes_.size() || !rouvrir_etude_ || !Archive_Ouverte()) return;
    const auto etude = archive_->Lire_Etude(etudes_[rangee].Id);
    if (!etude) {
        dialogues_.Message(etude.Erreur(), Dialogues::Icone::Exclamation);
        return;
    }
    QStringList erreurs;
    const auto copies = [&](const QString& empreinte) -> std::optional<QByteArray> {
        auto copie = archive_->Octets_Empreinte(empreinte);
        if (copie) return *copie;
        erreurs << copie.Erreur();
        return std::nullopt;
    };
    std::vector<Etude::Piece_Relue> pieces;
    for (const Etude::Piece& p : etude->pieces)
        pieces.push_back(Etude::Relire_Piece(p, copies));
    if (!erreurs.isEmpty()) {
        dialogues_.Message(erreurs.join(u'\n'), Dialogues::Icone::Exclamation);
    }
    rouvrir_etude_(*etude, std::move(pieces));
}
