// One axis of the graph: its limits in the program's own units, its caption and visibility.
//
// The time axis speaks day counts (the dates of the measures) to the rest of the program and
// seconds since 1970 to QCustomPlot's date ticker; no other class converts. The day counts are
// local wall-clock times with no time zone, so they are handed to the ticker as if they were
// UTC and printed back in UTC: a measure stamped 14:30 is labelled 14:30, summer time or not.
#pragma once

#include <QObject>
#include <QString>

class QCPAxis;
struct QCPRange;

class Axe_Graphe : public QObject {
    Q_OBJECT
  public:
    enum class Nature { Valeur, Temps };

    Axe_Graphe(QCPAxis* axe, const QString& nom, Nature nature, QObject* parent = nullptr);

    const QString& Nom() const { return nom_; }
    Nature Genre() const { return nature_; }

    // The limits as last set, or as the user's zoom or pan left them.
    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }
    // A limit that is not a finite number is refused and the axis keeps the one it had.
    void Definir_Minimum(double valeur);
    void Definir_Maximum(double valeur);

    // Fits both limits to the points of the visible plots drawn against this axis. With no such
    // point the limits stay as they were.
    void Auto_Echelle();

    QString Legende() const;
    void Definir_Legende(const QString& texte);
    bool Visible() const;
    void Definir_Visible(bool visible);

    // Program units <-> QCustomPlot coordinates (identical except on the time axis).
    double Vers_Trace(double valeur) const;
    double Depuis_Trace(double coordonnee) const;

    QCPAxis* Axe_QCP() const { return axe_; }

  signals:
    // The limits changed, set by the program or moved by the user's zoom or pan.
    void Limites_Changees();

  private:
    void Appliquer();
    void Redessiner();
    void Suivre_Utilisateur(const QCPRange& plage);

    QCPAxis* axe_;
    QString nom_;
    Nature nature_;
    double minimum_ = 0;
    double maximum_ = 10;
    bool application_en_cours_ = false;
};
