#include "curves/Graduation_Dates.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace {

constexpr int Nombre_Minimum = 4;
// Between two labels, and to spare: a page renders text a little wider than the screen does.
constexpr double Ecart = 16;
constexpr double Marge_Rendu = 1.1;

}  // namespace

void Graduation_Dates::Disposer(double largeur, const QFontMetricsF& mesure) {
    const auto place = [&](const QString& texte) {
        return mesure.horizontalAdvance(texte) * Marge_Rendu + Ecart;
    };
    const auto combien = [&](double largeur_label) {
        // Labels at both ends: n labels take n - 1 spaces along the axis.
        return static_cast<int>(std::floor(std::max(largeur, 0.0) / largeur_label)) + 1;
    };
    largeur_label_ = place(QStringLiteral("00/00/0000 00:00:00"));
    nombre_ = combien(largeur_label_);
    deux_lignes_ = nombre_ < Nombre_Minimum;
    if (deux_lignes_) {
        largeur_label_ = place(QStringLiteral("00/00/0000"));
        nombre_ = combien(largeur_label_);
    }
    nombre_ = std::max(nombre_, Nombre_Minimum);
}

QString Graduation_Dates::Texte(double tick) const {
    // The axis counts wall-clock seconds handed over as UTC (see Axe_Graphe.h).
    const QDateTime moment =
        QDateTime::fromMSecsSinceEpoch(std::llround(tick) * 1000, QTimeZone::utc());
    return moment.toString(deux_lignes_ ? QStringLiteral("dd/MM/yyyy\nhh:mm:ss")
                                        : QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

double Graduation_Dates::getTickStep(const QCPRange& range) {
    return range.size() / (nombre_ - 1);
}

int Graduation_Dates::getSubTickCount(double) {
    return 4;
}

QString Graduation_Dates::getTickLabel(double tick, const QLocale&, QChar, int) {
    return Texte(tick);
}

QVector<double> Graduation_Dates::createTickVector(double tickStep, const QCPRange& range) {
    QVector<double> ticks;
    ticks.reserve(nombre_);
    for (int i = 0; i < nombre_; ++i)
        ticks << (i == nombre_ - 1 ? range.upper : range.lower + i * tickStep);
    return ticks;
}
