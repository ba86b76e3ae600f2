#include "app/Dialogues_Qt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <memory>

namespace {

// The boxes carry no title of their own: the program's name stands there.
const QString Titre = QStringLiteral("Caldrix");

QMessageBox::Icon Icone_Qt(Dialogues::Icone icone) {
    switch (icone) {
        case Dialogues::Icone::Exclamation:
            return QMessageBox::Warning;
        case Dialogues::Icone::Information:
            return QMessageBox::Information;
        case Dialogues::Icone::Critique:
            return QMessageBox::Critical;
        case Dialogues::Icone::Aucune:
            break;
    }
    return QMessageBox::NoIcon;
}

// "(*.txt)|*.txt" becomes Qt's "(*.txt) (*.txt)"; pairs are separated by bars too.
QString Filtre_Qt(const QString& filtre) {
    const QStringList morceaux = filtre.split(QLatin1Char('|'));
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
        filtres << morceaux[i] + QStringLiteral(" (") + morceaux[i + 1] + QLatin1Char(')');
    }
    return filtres.join(QStringLiteral(";;"));
}

QFileDialog* Dialogue_Fichier(const Dialogues::Choix_Fichier& choix) {
    auto* dialogue = new QFileDialog(QApplication::activeWindow(), choix.Titre,
                                     choix.Dossier_Initial, Filtre_Qt(choix.Filtre));
    dialogue->setAttribute(Qt::WA_DeleteOnClose, false);
    QString extension = choix.Extension_Defaut;
    if (extension.startsWith(QLatin1Char('.'))) extension.remove(0, 1);
    dialogue->setDefaultSuffix(extension);
    if (!choix.Nom.isEmpty()) dialogue->selectFile(choix.Nom);
    return dialogue;
}

QString Choisir(QFileDialog& dialogue) {
    if (dialogue.exec() != QDialog::Accepted) return {};
    const QStringList noms = dialogue.selectedFiles();
    return noms.isEmpty() ? QString() : noms.first();
}

}  // namespace

void Dialogues_Qt::Message(const QString& texte, Icone icone) {
    QMessageBox boite(Icone_Qt(icone), Titre, texte, QMessageBox::Ok, QApplication::activeWindow());
    boite.exec();
}

bool Dialogues_Qt::Question_Oui_Non(const QString& texte) {
    QMessageBox boite(QMessageBox::Question, Titre, texte, QMessageBox::Yes | QMessageBox::No,
                      QApplication::activeWindow());
    boite.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    boite.button(QMessageBox::No)->setText(QStringLiteral("Non"));
    return boite.exec() == QMessageBox::Yes;
}

QString Dialogues_Qt::Fichier_Ouvrir(const Choix_Fichier& choix) {
    std::unique_ptr<QFileDialog> dialogue(Dialogue_Fichier(choix));
    dialogue->setAcceptMode(QFileDialog::AcceptOpen);
    dialogue->setFileMode(QFileDialog::ExistingFile);
    return Choisir(*dialogue);
}

QString Dialogues_Qt::Fichier_Sauvegarder(const Choix_Fichier& choix) {
    std::unique_ptr<QFileDialog> dialogue(Dialogue_Fichier(choix));
    dialogue->setAcceptMode(QFileDialog::AcceptSave);
    dialogue->setFileMode(QFileDialog::AnyFile);
    return Choisir(*dialogue);
}

void Dialogues_Qt::Afficher_Document(const QString& chemin) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(chemin));
}
