// What a window test uses: Qt's widgets and test tools, the program's windows and its graph,
// and the shared test support.
#pragma once

#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "Dialogues_Scriptes.h"
#include "Enregistrement_Essai.h"
#include "Etats_Releves.h"
#include "Fixtures.h"
#include "app/Frm_Principal.h"
#include "controls/CWNumEdit.h"
#include "controls/MaskEdBox.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Curseur_Graphe.h"
#include "curves/Graphique.h"
#include "curves/Interaction_Graphe.h"
#include "curves/Trace_Graphe.h"
#include "files/Import_Export.h"

// Texts as the tests write them: u"..."_s.
using namespace Qt::StringLiterals;

// What the user reads in each control: a box's text, a list's choice, a frame's title.
inline QStringList Textes(std::initializer_list<const QWidget*> controles) {
    QStringList textes;
    for (const QWidget* c : controles) {
        if (auto* boite = qobject_cast<const QLineEdit*>(c)) {
            textes << boite->text();
        } else if (auto* nombre = qobject_cast<const QAbstractSpinBox*>(c)) {
            textes << nombre->text();
        } else if (auto* liste = qobject_cast<const QComboBox*>(c)) {
            textes << liste->currentText();
        } else if (auto* cadre = qobject_cast<const QGroupBox*>(c)) {
            textes << cadre->title();
        } else if (auto* label = qobject_cast<const QLabel*>(c)) {
            textes << label->text();
        }
    }
    return textes;
}
