// What a step that can fail for a reason the user must read gives back: its value, or that
// reason (French, as the user is told it). Nothing is thrown for it.
#pragma once

#include <QString>
#include <optional>
#include <utility>

template <typename T>
class Ou_Erreur {
  public:
    Ou_Erreur(T valeur) : valeur_(std::move(valeur)) {}  // NOLINT: a value converts
    static Ou_Erreur Echec(QString raison) {
        Ou_Erreur r;
        r.erreur_ = std::move(raison);
        return r;
    }

    explicit operator bool() const { return valeur_.has_value(); }
    T& operator*() { return *valeur_; }
    const T& operator*() const { return *valeur_; }
    T* operator->() { return &*valeur_; }
    const T* operator->() const { return &*valeur_; }
    // Empty when there is a value.
    const QString& Erreur() const { return erreur_; }

  private:
    Ou_Erreur() = default;
    std::optional<T> valeur_;
    QString erreur_;
};

// A step that gives nothing back but may fail.
struct Reussi {};
using Reussite_Ou_Erreur = Ou_Erreur<Reussi>;
