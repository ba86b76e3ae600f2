// Secondary windows live as the program always had them live: loaded on demand (their
// Form_Load runs once per loading), shown without being modal, and unloaded when closed, by
// their own button, by their close box or by the main window's shutdown. Each holder below
// keeps at most one loaded window of its kind.
#pragma once

#include <QPointer>
#include <QWidget>
#include <utility>

class Fenetre_Chargeable : public QWidget {
    Q_OBJECT
  public:
    explicit Fenetre_Chargeable(Qt::WindowFlags drapeaux);

    // Closed already: its unload has run and it is about to go.
    bool Dechargee() const { return dechargee_; }
    // Unloads the window as its close box does.
    void Decharger() { close(); }
    // The main window's shutdown unloads its windows through this.
    virtual void Decharger_Fin_Programme() { Decharger(); }

  protected:
    virtual void Form_Unload() {}
    // Places the window in the middle of its screen, as the program's windows open.
    void Centrer_Sur_Ecran();
    void closeEvent(QCloseEvent* evenement) override;

  private:
    bool dechargee_ = false;
};

template <typename T>
class Fenetre {
  public:
    Fenetre() = default;
    Fenetre(const Fenetre&) = delete;
    Fenetre& operator=(const Fenetre&) = delete;
    ~Fenetre() { delete fenetre_.data(); }

    // The loaded window; when there is none, a new one whose Form_Load runs now.
    template <typename... Arguments>
    T& Charger(Arguments&&... arguments) {
        if (!Est_Chargee()) {
            fenetre_ = new T(std::forward<Arguments>(arguments)...);
            fenetre_->Form_Load();
        }
        return *fenetre_;
    }
    bool Est_Chargee() const { return fenetre_ && !fenetre_->Dechargee(); }
    T* Chargee() const { return Est_Chargee() ? fenetre_.data() : nullptr; }
    void Decharger() {
        if (Est_Chargee()) fenetre_->Decharger();
    }
    void Decharger_Fin_Programme() {
        if (Est_Chargee()) fenetre_->Decharger_Fin_Programme();
    }

  private:
    QPointer<T> fenetre_;
};
