#include "app/Dialogues_Qt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
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

// "Texte|*.txt" becomes Qt's "Texte (*.txt)"; pairs are separated by bars too. A description
// that already shows its pattern, as "(*.txt)|*.txt" does, is shown once.
QString Filtre_Qt(const QString& filtre) {
    const QStringList morceaux = filtre.split(QLatin1Char('|'));
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
        const QString motif = QLatin1Char('(') + morceaux[i + 1] + QLatin1Char(')');
        filtres << (morceaux[i].contains(motif) ? morceaux[i]
                                                : morceaux[i] + QLatin1Char(' ') + motif);
    }
    return filtres.join(QStringLiteral(";;"));
}

// The file list writes sizes and dates in the system's language, which may not be the
// program's: here they are French, whatever the machine says.
class Liste_Fichiers_Francaise : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* fichiers = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !fichiers || index.column() < 1 || index.column() > 3) {
            return QIdentityProxyModel::data(index, role);
        }
        const QModelIndex source = mapToSource(index);
        const bool dossier = fichiers->isDir(source);
        switch (index.column()) {
            case 1:
                return dossier ? QString() : francais_.formattedDataSize(fichiers->size(source));
            case 2:
                return dossier ? QStringLiteral("Dossier")
                               : QStringLiteral("Fichier ") +
                                     fichiers->fileInfo(source).suffix().toUpper();
            default:
                return fichiers->lastModified(source).toString(QStringLiteral("dd/MM/yyyy hh:mm"));
        }
    }

  private:
    QLocale francais_{QLocale::French, QLocale::France};
};

QFileDialog* Dialogue_Fichier(const Dialogues::Choix_Fichier& choix) {
    auto* dialogue = new QFileDialog(QApplication::activeWindow(), choix.Titre,
                                     choix.Dossier_Initial, Filtre_Qt(choix.Filtre));
    dialogue->setAttribute(Qt::WA_DeleteOnClose, false);
    // Qt's own dialog, in French throughout, the same on every desktop.
    dialogue->setOption(QFileDialog::DontUseNativeDialog);
    dialogue->setLocale(QLocale(QLocale::French, QLocale::France));
    dialogue->setProxyModel(new Liste_Fichiers_Francaise(dialogue));
    dialogue->resize(760, 440);
    if (auto* vue = dialogue->findChild<QTreeView*>(QStringLiteral("treeView"))) {
        // Whole dates and sizes; the names take the rest.
        QHeaderView* colonnes = vue->header();
        colonnes->setStretchLastSection(false);
        colonnes->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int c = 1; c <= 3; ++c)
            colonnes->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
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

QStringList Dialogues_Qt::Fichiers_Ouvrir(const Choix_Fichier& choix) {
    std::unique_ptr<QFileDialog> dialogue(Dialogue_Fichier(choix));
    dialogue->setAcceptMode(QFileDialog::AcceptOpen);
    dialogue->setFileMode(QFileDialog::ExistingFiles);
    return dialogue->exec() == QDialog::Accepted ? dialogue->selectedFiles() : QStringList();
}

QString Dialogues_Qt::Fichier_Sauvegarder(const Choix_Fichier& choix) {
    std::unique_ptr<QFileDialog> dialogue(Dialogue_Fichier(choix));
    dialogue->setAcceptMode(QFileDialog::AcceptSave);
    dialogue->setFileMode(QFileDialog::AnyFile);
    return Choisir(*dialogue);
}

bool Dialogues_Qt::Afficher_Document(const QString& chemin) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(chemin));
}
