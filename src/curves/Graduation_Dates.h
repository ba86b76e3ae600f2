// The labels of the time axis. A date label is long, and a technician needs to read where the
// view starts: the labels stand at both ends of the axis and evenly between them, as many as
// fit side by side without touching, never fewer than four. When four one-line labels would not
// fit, the date and the time go on two lines.
#pragma once

#include <qcustomplot.h>

class QFontMetricsF;

class Graduation_Dates : public QCPAxisTicker {
  public:
    // Lays the labels out for an axis `largeur` pixels long, written with `mesure`.
    void Disposer(double largeur, const QFontMetricsF& mesure);

    int Nombre() const { return nombre_; }
    bool Deux_Lignes() const { return deux_lignes_; }
    // Room a label takes along the axis, gap included, once laid out.
    double Largeur_Label() const { return largeur_label_; }

    // The label of a tick (seconds since 1970, as the time axis counts, wall-clock time).
    QString Texte(double tick) const;

  protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override;

  private:
    int nombre_ = 4;
    bool deux_lignes_ = false;
    double largeur_label_ = 0;
};
