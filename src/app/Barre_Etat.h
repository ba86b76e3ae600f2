// The main window's status bar: one panel across the bar that always shows the last status
// text written, by the serial link, the download, the cursor readout or the cooking result.
#pragma once

#include <QStatusBar>

#include "core/Sorties.h"

class QLabel;

class Barre_Etat : public QStatusBar, public Sortie_Etat {
    Q_OBJECT
  public:
    explicit Barre_Etat(QWidget* parent = nullptr);

    // Shown at once: the program may be busy with the logger and not come back to its event
    // loop before the next text.
    void Afficher_Etat(const QString& texte) override;
    QString Texte() const;

    QLabel* Panel1;
};
