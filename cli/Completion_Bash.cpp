#include "Completion_Bash.h"

#include <QStringList>

#include "Options_Commandes.h"

namespace {

QString Options(const QList<const char*>& noms) {
    QStringList options;
    for (const char* nom : noms)
        options << QStringLiteral("--") + QLatin1String(nom);
    return options.join(QLatin1Char(' '));
}

QString Noms(const QList<Options_Commandes::Options_Permises>& table) {
    QStringList noms;
    for (const auto& o : table)
        noms << QLatin1String(o.nom);
    return noms.join(QLatin1Char(' '));
}

QString Options_A_Valeur() {
    QList<const char*> noms;
    for (const Option_Connue& o : Options_Commandes::Toutes) {
        if (o.avec_valeur) noms << o.nom;
    }
    return Options(noms);
}

QString Bras_Case(const QString& nom, const QList<const char*>& options) {
    return QStringLiteral("        \"%1\") echo \"%2\" ;;\n").arg(nom, Options(options));
}

QString Options_Par_Commande() {
    QString bras;
    for (const auto& c : Options_Commandes::Par_Commande) {
        bras += Bras_Case(QLatin1String(c.nom), c.options);
    }
    for (const auto& a : Options_Commandes::Par_Action_Archive) {
        bras += Bras_Case(QStringLiteral("archive ") + QLatin1String(a.nom), a.options);
    }
    bras.chop(1);  // the marker stands on a line of its own
    return bras;
}

}  // namespace

QString Script_Completion_Bash(const QString& modele) {
    QStringList commandes;
    for (const char* c : Options_Commandes::Commandes)
        commandes << QLatin1String(c);
    QString script = modele;
    script.replace(QStringLiteral("@COMMANDES@"), commandes.join(QLatin1Char(' ')));
    script.replace(QStringLiteral("@ACTIONS_ARCHIVE@"),
                   Noms(Options_Commandes::Par_Action_Archive));
    script.replace(QStringLiteral("@OPTIONS_A_VALEUR@"), Options_A_Valeur());
    script.replace(QStringLiteral("@OPTIONS_PAR_COMMANDE@"), Options_Par_Commande());
    return script;
}
