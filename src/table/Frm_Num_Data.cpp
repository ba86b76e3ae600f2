#include "table/Frm_Num_Data.h"

#include "controls/Polices.h"
#include "curves/Numeros_Graphe.h"

#include <QListWidget>
#include <QMenuBar>
#include <QVBoxLayout>

#include "controls/Twips.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Trace_Graphe.h"
#include "table/Lignes_Tableau.h"

Frm_Num_Data::Frm_Num_Data(const Etat& etat, const CWGraph& graphe)
    : Fenetre_Chargeable(Qt::Window), etat_(etat), graphe_(graphe) {
    setObjectName(QStringLiteral("Frm_Num_Data"));
    setWindowTitle(QStringLiteral("Tableau numérique"));

    auto* barre = new QMenuBar(this);
    Mnu_Fermer = new QAction(QStringLiteral("Fermer"), barre);
    Mnu_Fermer->setObjectName(QStringLiteral("Mnu_Fermer"));
    barre->addAction(Mnu_Fermer);

    Lst_Data = new QListWidget(this);
    Lst_Data->setObjectName(QStringLiteral("Lst_Data"));
    Lst_Data->setUniformItemSizes(true);  // 16000 lines are laid out without measuring each
    Lst_Data->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto* disposition = new QVBoxLayout(this);
    disposition->setMenuBar(barre);
    disposition->setContentsMargins(Twips::Pixels(120), 0, Twips::Pixels(120), 0);
    disposition->addWidget(Lst_Data);
    resize(Twips::Taille(5415, 7575));
    Centrer_Sur_Ecran();

    connect(Mnu_Fermer, &QAction::triggered, this, &Frm_Num_Data::Mnu_Fermer_Click);
}

void Frm_Num_Data::Form_Load() {
    Lst_Data->setFont(Polices::Fixe(9));
    Lst_Data->clear();
    // The time range is read once: the graph does not change while the list is built.
    const Axe_Graphe& temps = graphe_.Plots(Numeros_Graphe::Voie_Temp).Axe_X();
    const Lignes_Tableau::Vue_Graphe vue{temps.Minimum(), temps.Maximum(),
                                         graphe_.Plots(Numeros_Graphe::Voie_Hygro).Visible()};
    Lst_Data->addItems(Lignes_Tableau::Lignes(etat_, vue));
}

void Frm_Num_Data::Mnu_Fermer_Click() {
    Decharger();
}

QStringList Frm_Num_Data::Lignes() const {
    QStringList lignes;
    lignes.reserve(Lst_Data->count());
    for (int i = 0; i < Lst_Data->count(); ++i)
        lignes << Lst_Data->item(i)->text();
    return lignes;
}
