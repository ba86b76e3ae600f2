// What the number boxes of the tools window accept from the keyboard: digits, one sign in
// front and one decimal point (or comma). A key that can never make a number is refused and a
// hint says what to type, so a box never shows letters that the graph or the thresholds would
// silently ignore.
#pragma once

#include <QValidator>

class QLineEdit;

class Saisie_Nombre : public QValidator {
    Q_OBJECT
  public:
    explicit Saisie_Nombre(QObject* parent = nullptr);

    State validate(QString& texte, int& position) const override;

    static QString Texte_Aide();

    // Puts the rule on the box and shows the hint under it whenever a key is refused.
    static void Appliquer(QLineEdit& boite);
};
