// The numeric edit box of the programming and tools windows: a number within a range, written
// in a display format ("0", "000.0", ".0": as many zeros before the point as digits always
// shown, as many after it as decimals), with arrows to step it.
//
// A typed number outside the range is brought to the nearest limit when the box is left; a
// text that is no number at all gives the box its previous value back. Keys that can never make
// a number are refused and the box says so in a hint, so nothing the user typed is lost without
// a word.
#pragma once

#include <QDoubleSpinBox>

class CWNumEdit : public QDoubleSpinBox {
    Q_OBJECT
  public:
    explicit CWNumEdit(QWidget* parent = nullptr);

    // How the number is written, and how many decimals the user may type. The format writes
    // the text only: a value given by the program (12.25 from Conf.ini in a ".0" box) is kept
    // whole and read back as it was given, whatever the box shows.
    void Definir_Format(const QString& format);
    const QString& Format() const { return format_; }

    // Whether the text now in the box (typed, maybe not taken yet) reads as a number.
    bool Texte_Lisible() const;
    // The hint shown when a key is refused: "Saisir un nombre de -49 à 194".
    QString Texte_Aide() const;

    // Writes a number in a display format; the minus sign goes before the digits.
    static QString Formater(double valeur, const QString& format);

  signals:
    // A key that cannot make a number was refused.
    void Saisie_Refusee(const QString& aide);

  protected:
    QString textFromValue(double valeur) const override;
    double valueFromText(const QString& texte) const override;
    QValidator::State validate(QString& texte, int& position) const override;
    void fixup(QString& texte) const override;

  private:
    void Refuser();

    QString format_ = QStringLiteral("0");
    int decimales_saisie_ = 0;
};
