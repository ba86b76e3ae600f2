#include "core/Texte_JSON.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/Textes.h"

namespace Texte_JSON {

namespace {

// to_chars without a format gives the shortest text that reads back to the same value, in
// a form JSON accepts.
template <typename Reel>
QByteArray Reel_Texte(Reel valeur) {
    if (!std::isfinite(valeur)) return QByteArrayLiteral("null");
    char texte[32];
    const auto [fin, ec] = std::to_chars(texte, texte + sizeof texte, valeur);
    if (ec != std::errc()) return QByteArrayLiteral("null");
    return QByteArray(texte, fin - texte);
}

QByteArray Bloc(char ouvrant, char fermant, const std::vector<QByteArray>& lignes, int niveau) {
    const QByteArray retrait(2 * (niveau + 1), ' ');
    QByteArray texte(1, ouvrant);
    texte += '\n';
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        texte += retrait + lignes[i];
        texte += i + 1 < lignes.size() ? ",\n" : "\n";
    }
    return texte + QByteArray(2 * niveau, ' ') + fermant;
}

}  // namespace

QByteArray Nombre(float valeur) {
    return Reel_Texte(valeur);
}

QByteArray Nombre(double valeur) {
    return Reel_Texte(valeur);
}

QByteArray Entier(int64_t valeur) {
    return QByteArray::number(static_cast<qlonglong>(valeur));
}

QByteArray Date(double date) {
    return '"' + Texte_Date_ISO(date).toLatin1() + '"';
}

QByteArray Chaine(const QString& texte) {
    QByteArray sortie = "\"";
    for (const char c : texte.toUtf8()) {
        if (c == '"' || c == '\\') {
            sortie += '\\';
            sortie += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char echappe[8];
            std::snprintf(echappe, sizeof echappe, "\\u%04x", static_cast<unsigned>(c));
            sortie += echappe;
        } else {
            sortie += c;
        }
    }
    return sortie + '"';
}

QByteArray Objet(const Membres& membres, int niveau) {
    std::vector<QByteArray> lignes;
    lignes.reserve(membres.size());
    for (const auto& [cle, valeur] : membres)
        lignes.push_back('"' + QByteArray(cle) + "\": " + valeur);
    return Bloc('{', '}', lignes, niveau);
}

QByteArray Tableau(const std::vector<QByteArray>& elements, int niveau) {
    if (elements.empty()) return QByteArrayLiteral("[]");
    return Bloc('[', ']', elements, niveau);
}

}  // namespace Texte_JSON
