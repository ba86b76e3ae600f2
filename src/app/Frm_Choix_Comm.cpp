#include "app/Frm_Choix_Comm.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "controls/Twips.h"
#include "core/Dialogues.h"
#include "core/Etat.h"
#include "logger/Communication.h"
#include "logger/Port_Serie.h"

namespace {

constexpr int Premier_Port = Numerotation_Ports::Premier;
constexpr int Dernier_Port = Numerotation_Ports::Dernier;

// "COM 5 (ttyUSB0)": the documented form, and the device it is; a port that does not open
// says why in a word.
QString Entree_Port(int n, const Numerotation_Ports::Port& port,
                    const std::optional<Echec_Ouverture>& echec) {
    QString appareil = Numerotation_Ports::Nom_Court(port.Peripherique);
    if (echec) {
        using Cause = Echec_Ouverture::Cause;
        switch (echec->Raison) {
            case Cause::Absent:
                appareil += QStringLiteral(", absent");
                break;
            case Cause::Permission:
                appareil += QStringLiteral(", accès refusé");
                break;
            case Cause::Occupe:
            case Cause::Verrou_Abandonne:
                appareil += QStringLiteral(", occupé");
                break;
            case Cause::Autre:
                appareil += QStringLiteral(", inutilisable");
                break;
        }
    }
    return QStringLiteral("COM %1 (%2)").arg(n).arg(appareil);
}

// What the pointer shows over an entry: what the device is, or why it does not open.
QString Bulle_Port(const Numerotation_Ports::Port& port,
                   const std::optional<Echec_Ouverture>& echec) {
    if (echec) return echec->Texte();
    QStringList lignes;
    if (!port.Description.isEmpty()) lignes << port.Description;
    lignes << (port.Id.isEmpty() ? port.Peripherique
                                 : QStringLiteral("/dev/serial/by-id/") + port.Id);
    if (!port.Lien.isEmpty()) lignes << QStringLiteral("par le lien ") + port.Lien;
    return lignes.join(QLatin1Char('\n'));
}

}  // namespace

Frm_Choix_Comm::Frm_Choix_Comm(Etat& etat, Communication& lien, Dialogues& dialogues)
    : Fenetre_Chargeable(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      etat_(etat),
      lien_(lien),
      dialogues_(dialogues) {
    setObjectName(QStringLiteral("Frm_Choix_Comm"));
    setWindowTitle(QStringLiteral("Choix du port de communication"));
    setFixedSize(Twips::Taille(3030, 1245));
    Centrer_Sur_Ecran();

    Cmb_Choix_Port = new QComboBox(this);
    Cmb_Choix_Port->setObjectName(QStringLiteral("Cmb_Choix_Port"));
    Cmb_Choix_Port->setEditable(true);
    Cmb_Choix_Port->setInsertPolicy(QComboBox::NoInsert);
    Cmb_Choix_Port->setGeometry(Twips::Rectangle(480, 180, 2175, 375));
    Cmb_Choix_Port->setEditText(QStringLiteral("Combo1"));
    // An entry longer than the box shows its beginning, the port number, not its end.
    connect(Cmb_Choix_Port, &QComboBox::currentIndexChanged, this,
            [this] { Cmb_Choix_Port->lineEdit()->setCursorPosition(0); });

    Cmd_Ok = new QPushButton(QStringLiteral("OK"), this);
    Cmd_Ok->setObjectName(QStringLiteral("Cmd_Ok"));
    Cmd_Ok->setGeometry(Twips::Rectangle(960, 720, 1095, 375));
    Cmd_Ok->setDefault(true);
    connect(Cmd_Ok, &QPushButton::clicked, this, &Frm_Choix_Comm::Cmd_Ok_Click);
}

void Frm_Choix_Comm::Form_Load() {
    const QString texte = Cmb_Choix_Port->currentText();
    Cmb_Choix_Port->clear();
    // Every serial device of the machine, with the number it keeps from one start to the next;
    // those that do not open are listed too, with the reason, since the user has to act on it.
    const Numerotation_Ports::Numerotation numeros = lien_.Port().Numerotation();
    for (const auto& [n, port] : numeros.Ports) {
        if (n < Premier_Port || n > Dernier_Port) continue;
        const std::optional<Echec_Ouverture> echec =
            Test_Port(static_cast<int16_t>(n)) ? std::nullopt : lien_.Port().Echec();
        Cmb_Choix_Port->addItem(Entree_Port(n, port, echec), n);
        Cmb_Choix_Port->setItemData(Cmb_Choix_Port->count() - 1, Bulle_Port(port, echec),
                                    Qt::ToolTipRole);
    }
    // The box keeps its documented width; its list opens as wide as its longest entry.
    Cmb_Choix_Port->view()->setMinimumWidth(Cmb_Choix_Port->view()->sizeHintForColumn(0) +
                                            Cmb_Choix_Port->view()->frameWidth() * 2);
    const int position = Position_Port(etat_.Num_Port);
    if (position != 0) {
        Cmb_Choix_Port->setCurrentIndex(position - 1);
    } else {
        // Filling the list must not change the text the box shows.
        Cmb_Choix_Port->setCurrentIndex(-1);
        Cmb_Choix_Port->setEditText(texte);
        dialogues_.Message(QStringLiteral("Choisir un port de communication dans la liste"));
    }
}

bool Frm_Choix_Comm::Test_Port(int16_t n) {
    Port_Serie& port = lien_.Port();
    if (port.Est_Ouvert()) port.Fermer();
    if (n < Premier_Port || n > Dernier_Port) return false;
    port.Definir_Port(n);
    return port.Ouvrir();
}

int Frm_Choix_Comm::Position_Port(uint8_t n) const {
    const int position = Cmb_Choix_Port->findData(static_cast<int>(n));
    return position + 1;
}

void Frm_Choix_Comm::Cmd_Ok_Click() {
    Decharger();
}

void Frm_Choix_Comm::Decharger_Fin_Programme() {
    fin_programme_ = true;
    Decharger();
}

std::optional<uint8_t> Frm_Choix_Comm::Port_Choisi() const {
    // An entry of the list, "COM 5 (ttyUSB0)", or a number typed in, "com5".
    static const QRegularExpression forme(
        QStringLiteral("^\\s*COM\\s*(\\d{1,3})\\s*(\\(.*\\))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch trouve = forme.match(Cmb_Choix_Port->currentText());
    if (!trouve.hasMatch()) return std::nullopt;
    const int numero = trouve.captured(1).toInt();
    if (numero < 1 || numero > 255) return std::nullopt;
    return static_cast<uint8_t>(numero);
}

void Frm_Choix_Comm::Form_Unload() {
    if (fin_programme_) return;
    if (const std::optional<uint8_t> choisi = Port_Choisi()) {
        etat_.Num_Port = *choisi;
    } else {
        // A text that names no port keeps the port in use rather than guessing one.
        dialogues_.Message(QStringLiteral("« %1 » n'est pas un port de communication : "
                                          "le port COM %2 est conservé.")
                               .arg(Cmb_Choix_Port->currentText())
                               .arg(etat_.Num_Port),
                           Dialogues::Icone::Exclamation);
    }
    // The tests left the last port tried open: the chosen one takes its place.
    lien_.Port().Fermer();
    lien_.Ouverture_Port(etat_.Num_Port);
    // A port that does not open would otherwise look like a logger that does not answer.
    if (const std::optional<Echec_Ouverture> echec = lien_.Port().Echec()) {
        dialogues_.Message(echec->Texte(), Dialogues::Icone::Exclamation);
    }
}
