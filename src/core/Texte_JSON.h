// The pieces of the JSON texts caldrix-cli prints for scripts (statistics, studies): members
// kept in the order given, two blanks of indent a level, numbers in their shortest text that
// reads back to the same value, stamps as ISO 8601 local time texts, null for what is unknown.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace Texte_JSON {

using Membres = std::vector<std::pair<const char*, QByteArray>>;

// "21.3", "-0.5", "1e-05": the same single (or double) reads back; null when not finite.
QByteArray Nombre(float valeur);
QByteArray Nombre(double valeur);
QByteArray Entier(int64_t valeur);
// "2026-12-05T14:30:00"
QByteArray Date(double date);
// A quoted UTF-8 string, with quotes, backslashes and control characters escaped.
QByteArray Chaine(const QString& texte);

template <typename T, typename Ecriture>
QByteArray Ou_Null(const std::optional<T>& valeur, Ecriture ecriture) {
    return valeur ? ecriture(*valeur) : QByteArrayLiteral("null");
}

// An object or an array whose opening bracket stands at indent level `niveau`; no line break
// after the closing one.
QByteArray Objet(const Membres& membres, int niveau);
QByteArray Tableau(const std::vector<QByteArray>& elements, int niveau);

}  // namespace Texte_JSON
