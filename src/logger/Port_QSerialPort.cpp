#include "logger/Port_QSerialPort.h"

#include <QFileInfo>
#include <QStringList>

Port_QSerialPort::Port_QSerialPort(Ports_Systeme::Source source) : source_(std::move(source)) {}

Port_QSerialPort::Port_QSerialPort(Correspondance correspondance)
    : correspondance_(std::move(correspondance)) {}

void Port_QSerialPort::Definir_Port(int numero) {
    echec_.reset();
    if (correspondance_) {
        numero_ = 0;
        peripherique_ = correspondance_(numero);
    } else {
        numero_ = numero;
#ifdef Q_OS_WIN
        peripherique_ = QStringLiteral("COM%1").arg(numero);
#else
        // Looked up at each opening: an adapter plugged back may be another /dev name now.
        peripherique_ = Ports_Systeme::Peripherique_Port(numero, source_);
#endif
    }
    // Opened by its real name, so that its lock file is the one other programs look for,
    // whichever link led to it.
    const QString reel = QFileInfo(peripherique_).canonicalFilePath();
    if (!reel.isEmpty()) peripherique_ = reel;
    port_.setPortName(peripherique_);
}

Numerotation_Ports::Numerotation Port_QSerialPort::Numerotation() const {
    if (correspondance_) return {};
    return Ports_Systeme::Numeroter(source_);
}

std::optional<Echec_Ouverture> Port_QSerialPort::Echec() const {
    if (port_.isOpen()) return std::nullopt;
    return echec_;
}

void Port_QSerialPort::Definir_Parametres(const QString& texte) {
    // "9600, N, 8, 1": speed, parity, data bits, stop bits.
    const QStringList champs = texte.split(QLatin1Char(','));
    if (champs.size() != 4) return;
    port_.setBaudRate(champs[0].trimmed().toInt());
    const QString parite = champs[1].trimmed().toUpper();
    port_.setParity(parite == QStringLiteral("E")   ? QSerialPort::EvenParity
                    : parite == QStringLiteral("O") ? QSerialPort::OddParity
                                                    : QSerialPort::NoParity);
    port_.setDataBits(static_cast<QSerialPort::DataBits>(champs[2].trimmed().toInt()));
    port_.setStopBits(champs[3].trimmed() == QStringLiteral("2") ? QSerialPort::TwoStop
                                                                 : QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
}

bool Port_QSerialPort::Ouvrir() {
    if (port_.isOpen()) return true;
    if (peripherique_.isEmpty()) {
        echec_ = Echec_Ouverture{};
        echec_->Raison = Echec_Ouverture::Cause::Absent;
    } else if (port_.open(QIODevice::ReadWrite)) {
        echec_.reset();
        return true;
    } else {
        echec_ = Diagnostic_Ouverture::Diagnostiquer(peripherique_, port_.errorString());
        port_.clearError();
    }
    echec_->Numero = numero_;
    return false;
}

void Port_QSerialPort::Fermer() {
    if (port_.isOpen()) port_.close();
}

bool Port_QSerialPort::Est_Ouvert() const {
    return port_.isOpen();
}

bool Port_QSerialPort::Verifier_Ouvert() {
    Recevoir();
    return port_.isOpen();
}

void Port_QSerialPort::Oublier_Erreur() {
    if (port_.error() == QSerialPort::ResourceError && port_.isOpen()) port_.close();
    port_.clearError();
}

// A pseudo-terminal has no modem lines: the failure is ignored, as every port failure is.
void Port_QSerialPort::Activer_RTS() {
    if (port_.isOpen()) port_.setRequestToSend(true);
    port_.clearError();
}

void Port_QSerialPort::Activer_DTR() {
    if (port_.isOpen()) port_.setDataTerminalReady(true);
    port_.clearError();
}

void Port_QSerialPort::Recevoir() {
    // No event loop runs during an exchange: pull what the driver holds into QSerialPort.
    if (port_.isOpen()) port_.waitForReadyRead(0);
    Oublier_Erreur();
}

QByteArray Port_QSerialPort::Lire() {
    Recevoir();
    return port_.isOpen() ? port_.readAll() : QByteArray();
}

void Port_QSerialPort::Ecrire(const QByteArray& octets) {
    if (!port_.isOpen() || octets.isEmpty()) return;
    port_.write(octets);
    port_.waitForBytesWritten(1000);
    Oublier_Erreur();
}

int Port_QSerialPort::Nb_Octets_En_Attente() {
    Recevoir();
    return port_.isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0;
}
