// The masked edit box of the programming and tools windows: a text typed into a fixed pattern,
// the input mask, where each 9 stands for a digit and every other character is written for the
// user ("99/99/9999", "99:99:99"). The display format ("dd/mm/yyyy", "hh:mm:ss") says how a
// date or a time is written into it.
//
// A key that does not fit the pattern is refused and the box says so in a hint. Whether the
// text is a real date or time is for the window to check when it uses it.
#pragma once

#include <QLineEdit>

class MaskEdBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit MaskEdBox(QWidget* parent = nullptr);

    void Definir_Masque(const QString& masque);
    const QString& Masque() const { return masque_; }
    void Definir_Format(const QString& format);
    const QString& Format() const { return format_; }

    // Writes the date or the time of day of `date` (a day count) in the display format.
    void Afficher_Date(double date);

    // The hint shown when a key is refused.
    QString Texte_Aide() const;

  signals:
    // Every change of the text, typed or written by the program.
    void Change();
    // A key that does not fit the pattern was refused.
    void Saisie_Refusee(const QString& aide);

  private:
    void Refuser();

    QString masque_;
    QString format_;
};
