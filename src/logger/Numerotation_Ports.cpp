#include "logger/Numerotation_Ports.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringView>
#include <algorithm>

namespace Numerotation_Ports {

namespace {

// The number a built-in port carries in its own name: ttyS0 is 1, COM3 is 3; 0 for the others.
int Numero_Integre(const QString& chemin) {
    static const QRegularExpression integre(QStringLiteral("^(?:ttyS(\\d{1,3})|COM(\\d{1,3}))$"));
    const QRegularExpressionMatch m = integre.match(Nom_Court(chemin));
    if (!m.hasMatch()) return 0;
    return m.captured(1).isEmpty() ? m.captured(2).toInt() : m.captured(1).toInt() + 1;
}

// The smallest by-id name of each device: one name, whatever order the folder is read in.
std::map<QString, QString> Noms_Par_Id(const QList<Lien_Par_Id>& par_id) {
    std::map<QString, QString> noms;
    for (const Lien_Par_Id& lien : par_id) {
        auto [place, nouveau] = noms.emplace(lien.Cible, lien.Nom);
        if (!nouveau && Avant(lien.Nom, place->second)) place->second = lien.Nom;
    }
    return noms;
}

}  // namespace

QString Nom_Court(const QString& chemin) {
    const QString dev = QStringLiteral("/dev/");
    return chemin.startsWith(dev) ? chemin.mid(dev.size()) : chemin;
}

bool Avant(const QString& a, const QString& b) {
    // Runs of digits compare as numbers, the rest character by character.
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (!a[i].isDigit() || !b[j].isDigit()) {
            if (a[i] != b[j]) return a[i] < b[j];
            ++i;
            ++j;
            continue;
        }
        while (i + 1 < a.size() && a[i] == u'0' && a[i + 1].isDigit())
            ++i;
        while (j + 1 < b.size() && b[j] == u'0' && b[j + 1].isDigit())
            ++j;
        qsizetype fin_a = i, fin_b = j;
        while (fin_a < a.size() && a[fin_a].isDigit())
            ++fin_a;
        while (fin_b < b.size() && b[fin_b].isDigit())
            ++fin_b;
        if (fin_a - i != fin_b - j) return fin_a - i < fin_b - j;
        const int c = QStringView(a).mid(i, fin_a - i).compare(QStringView(b).mid(j, fin_b - j));
        if (c != 0) return c < 0;
        i = fin_a;
        j = fin_b;
    }
    if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
    return a < b;  // equal but for leading zeros: still one order
}

Numerotation Numeroter(const QList<Peripherique>& peripheriques, const QList<Lien_Par_Id>& par_id,
                       const QList<Lien_Port>& liens) {
    const std::map<QString, QString> noms = Noms_Par_Id(par_id);
    const auto id = [&](const QString& chemin) {
        const auto trouve = noms.find(chemin);
        return trouve == noms.end() ? QString() : trouve->second;
    };
    std::map<QString, QString> descriptions;
    for (const Peripherique& p : peripheriques)
        descriptions.emplace(p.Chemin, p.Description);

    Numerotation resultat;
    QSet<QString> numerotes;
    for (const Lien_Port& lien : liens) {
        if (lien.Numero < 1) continue;
        const auto description = descriptions.find(lien.Cible);
        resultat.Ports[lien.Numero] = {
            lien.Cible,
            id(lien.Cible),
            description == descriptions.end() ? QString() : description->second,
            lien.Present,
            Origine::Lien_Programme,
            lien.Chemin};
        if (lien.Present) numerotes.insert(lien.Cible);
    }

    QList<Peripherique> restants;
    for (const Peripherique& p : peripheriques) {
        if (numerotes.contains(p.Chemin)) continue;
        numerotes.insert(p.Chemin);  // a device listed twice is one device
        const int n = Numero_Integre(p.Chemin);
        if (n >= Premier && n <= Dernier && !resultat.Ports.count(n)) {
            resultat.Ports[n] = {p.Chemin, id(p.Chemin),          p.Description,
                                 true,     Origine::Port_Integre, {}};
        } else {
            restants.append(p);
        }
    }
    // Built-in ports take their own numbers first, whatever order the system lists them in.
    const auto cle = [&](const Peripherique& p) {
        const QString nom = id(p.Chemin);
        return nom.isEmpty() ? p.Chemin : QStringLiteral("/dev/serial/by-id/") + nom;
    };
    std::sort(restants.begin(), restants.end(),
              [&](const Peripherique& a, const Peripherique& b) { return Avant(cle(a), cle(b)); });
    int libre = Premier;
    for (const Peripherique& p : restants) {
        while (libre <= Dernier && resultat.Ports.count(libre))
            ++libre;
        if (libre > Dernier) {
            resultat.Sans_Numero.append(p.Chemin);
            continue;
        }
        resultat.Ports[libre] = {p.Chemin, id(p.Chemin),          p.Description,
                                 true,     Origine::Numero_Libre, {}};
    }
    return resultat;
}

}  // namespace Numerotation_Ports
