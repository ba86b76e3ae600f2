// Time as the serial link sees it: the protocol's fixed pauses and the present date.
#pragma once

class Horloge {
  public:
    virtual ~Horloge() = default;
    // Lets pending window events run once, user input excepted (exchanges do it before they
    // start).
    virtual void Traiter_Evenements() = 0;
    // Waits, keeping the windows painted.
    virtual void Attendre(int millisecondes) = 0;
    // The present local date and time as a day count.
    virtual double Maintenant() const = 0;
};

// The real clock: sleeps in small steps, repainting windows (but taking no user input)
// between them so the progress window keeps moving.
class Horloge_Systeme : public Horloge {
  public:
    void Traiter_Evenements() override;
    void Attendre(int millisecondes) override;
    double Maintenant() const override;
};
