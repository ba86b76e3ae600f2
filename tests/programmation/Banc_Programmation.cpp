#include "Banc_Programmation.h"

#include "Terminal_Simule.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "logger/Communication.h"
#include "logger/Port_Serie.h"

Banc_Programmation::Banc_Programmation(int modele,
                                       const std::function<void(Logger_Simule&)>& reglage) {
    terminal_ = &banc_.Brancher_Logger(Port, modele);
    if (reglage) terminal_->Avec_Logger([&](Logger_Simule& logger) { reglage(logger); });
    banc_.Construire();
    Communication& lien = banc_.Lien();
    lien.Definir_Sortie_Etat(&affiches);
    // What the start-up would have done: the clock origins, the port open.
    Origines_Horloge(banc_.Etat_Programme(), Maintenant());
    lien.Port().Definir_Port(Port);
    lien.Port().Definir_Parametres(QStringLiteral("9600, N, 8, 1"));
    EXPECT_TRUE(lien.Port().Ouvrir());
}

Frm_UpLoad& Banc_Programmation::Ouvrir() {
    Frm_UpLoad& fenetre =
        fenetre_.Charger(banc_.Etat_Programme(), banc_.Lien(), banc_.dialogues, affiches);
    fenetre.show();
    return fenetre;
}

Memoire_Logger Banc_Programmation::Memoire() {
    return terminal_->Avec_Logger([](Logger_Simule& logger) { return logger.Memoire(); });
}

double Banc_Programmation::Maintenant() const {
    return banc_.Lien().Horloge_Lien().Maintenant();
}
