// The choice of the serial port the logger hangs on. Opening lists the serial devices of the
// machine under their port numbers 1 to 16 (Numerotation_Ports), "COM 5 (ttyUSB0)", saying of
// those that do not open why; closing makes the port shown in the box the program's port,
// opens it, and says why when it does not open.
#pragma once

#include <cstdint>
#include <optional>

#include "controls/Fenetre_Chargeable.h"

class Communication;
class Dialogues;
class QComboBox;
class QPushButton;
struct Etat;

class Frm_Choix_Comm : public Fenetre_Chargeable {
    Q_OBJECT
  public:
    Frm_Choix_Comm(Etat& etat, Communication& lien, Dialogues& dialogues);

    void Form_Load();
    // True when port n could be opened; the port stays open until the next test.
    bool Test_Port(int16_t n);
    // Position (from 1) of the entry of port n in the list; 0 when there is none.
    int Position_Port(uint8_t n) const;
    void Cmd_Ok_Click();
    // At the program's end the port is closed already and the settings written: the window
    // goes without opening any port.
    void Decharger_Fin_Programme() override;

    QPushButton* Cmd_Ok;
    QComboBox* Cmb_Choix_Port;

  protected:
    void Form_Unload() override;

  private:
    // The port number the box's text names ("COM 12", "com12"), from 1 to 255.
    std::optional<uint8_t> Port_Choisi() const;

    Etat& etat_;
    Communication& lien_;
    Dialogues& dialogues_;
    bool fin_programme_ = false;
};
