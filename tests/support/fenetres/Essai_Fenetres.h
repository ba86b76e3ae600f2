// What a window test uses: Qt's widgets and test tools, the program's windows and its graph,
// and the shared test support.
#pragma once

#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QtTest>
#include <QtWidgets>

#include "Dialogues_Scriptes.h"
#include "Enregistrement_Essai.h"
#include "Etats_Releves.h"
#include "Fixtures.h"
#include "app/Frm_Choix_Comm.h"
#include "app/Frm_Patientez.h"
#include "app/Frm_Principal.h"
#include "app/Frm_Velor.h"
#include "archive/gui/Frm_Archives.h"
#include "controls/CWNumEdit.h"
#include "controls/MaskEdBox.h"
#include "cooking/gui/Frm_Calcul.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Curseur_Graphe.h"
#include "curves/Graphique.h"
#include "curves/Interaction_Graphe.h"
#include "curves/Trace_Graphe.h"
#include "files/Import_Export.h"
#include "logger/gui/Frm_Download.h"
#include "logger/gui/Frm_UpLoad.h"
#include "stats/gui/Frm_Statistiques.h"
#include "table/Frm_Num_Data.h"
#include "tools/Frm_Outils.h"

// Texts as the tests write them: QStringLiteral("...").
using namespace Qt::StringLiterals;

// How many windows of this name are shown.
inline int Visibles(const char* nom) {
    const QWidgetList fenetres = QApplication::topLevelWidgets();
    return int(std::count_if(fenetres.begin(), fenetres.end(), [&](const QWidget* f) {
        return f->objectName() == QLatin1String(nom) && f->isVisible();
    }));
}

// The texts of a column of a list or a table, top to bottom; empty for an empty cell.
inline QStringList Colonne(const QAbstractItemView& vue, int colonne = 0) {
    QStringList textes;
    for (int r = 0; r < vue.model()->rowCount(); ++r)
        textes << vue.model()->index(r, colonne).data().toString();
    return textes;
}

// The entries of a drop-down list, in order.
inline QStringList Entrees(const QComboBox& liste) {
    return Colonne(*liste.view());
}

// What the user reads in each control: a box's text, a list's choice, a frame's title.
inline QStringList Textes(std::initializer_list<const QWidget*> controles) {
    QStringList textes;
    for (const QWidget* c : controles) {
        const QVariant texte = c->property("currentText").isValid() ? c->property("currentText")
                               : c->property("title").isValid()     ? c->property("title")
                                                                    : c->property("text");
        textes << texte.toString();
    }
    return textes;
}

// Types over the whole text of a box, as the user does; Enter when asked.
inline void Taper(QWidget& boite, const char* texte, bool entree = false) {
    boite.setFocus();
    QTest::keyClick(&boite, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&boite, Qt::Key_Backspace);
    QTest::keyClicks(&boite, QString::fromUtf8(texte));
    if (entree) QTest::keyClick(&boite, Qt::Key_Return);
}
