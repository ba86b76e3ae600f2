#include "Options_Commandes.h"

#include <algorithm>

namespace Options_Commandes {

const QList<Option_Connue> Toutes = {
    {"port", true},
    {"output", true},
    {"comment", true},
    {"force", false},
    {"name", true},
    {"period", true},
    {"unit", true},
    {"start", true},
    {"records", true},
    {"sleep", true},
    {"high", true},
    {"low", true},
    {"pasteurisation", false},
    {"sterilisation", false},
    {"recipe", true},
    {"tref", true},
    {"z", true},
    {"tdep", true},
    {"csv", false},
    {"from", true},
    {"to", true},
    {"delta-h", true},
    {"logger", true},
    {"text", true},
    {"json", false},
    {"criteria", true},
    {"high-mode", true},
    {"high-duration", true},
    {"low-mode", true},
    {"low-duration", true},
    {"humidity-high", true},
    {"humidity-high-mode", true},
    {"humidity-high-duration", true},
    {"humidity-low", true},
    {"humidity-low-mode", true},
    {"humidity-low-duration", true},
    {"process", true},
    {"hold", true},
    {"min-value", true},
    {"mkt-max", true},
    {"equilibration", true},
    {"report", true},
    {"help", false},
    {"version", false},
};

const QList<const char*> Commandes = {"info",  "download", "program", "cook",   "export",
                                      "stats", "report",   "study",   "archive"};

const QList<const char*> Regles_Jugees = {"criteria",
                                          "high-mode",
                                          "high-duration",
                                          "low-mode",
                                          "low-duration",
                                          "humidity-high",
                                          "humidity-high-mode",
                                          "humidity-high-duration",
                                          "humidity-low",
                                          "humidity-low-mode",
                                          "humidity-low-duration",
                                          "process",
                                          "hold",
                                          "min-value",
                                          "mkt-max"};

const QList<Options_Permises> Par_Commande = {
    {"info", {"port"}},
    {"download", {"port", "output", "comment", "force"}},
    {"program",
     {"port", "name", "period", "unit", "start", "records", "sleep", "high", "low", "force"}},
    {"cook", {"pasteurisation", "sterilisation", "recipe", "tref", "z", "tdep", "unit"}},
    {"export", {"csv", "output", "force", "from", "to", "unit"}},
    {"stats", {"from", "to", "high", "low", "delta-h", "unit", "json"}},
    {"report", QList<const char*>{"output", "force", "from", "to", "high", "low", "delta-h", "unit",
                                  "pasteurisation", "sterilisation", "recipe"} +
                   Regles_Jugees},
    {"study", QList<const char*>{"high", "low", "pasteurisation", "sterilisation", "recipe",
                                 "equilibration", "unit", "json", "report", "force"} +
                  Regles_Jugees},
};

const QList<Options_Permises> Par_Action_Archive = {
    {"add", {}},
    {"list", {"logger", "from", "to", "text", "json"}},
    {"export", {"output", "force"}},
    {"verify", {"logger"}},
};

const QList<const char*>* Permises(const QList<Options_Permises>& table, const QString& nom) {
    const auto trouvee = std::find_if(table.begin(), table.end(), [&](const Options_Permises& o) {
        return nom == QLatin1String(o.nom);
    });
    return trouvee == table.end() ? nullptr : &trouvee->options;
}

QList<Option_Connue> Options_De(const QList<const char*>& noms) {
    QList<Option_Connue> options;
    for (const Option_Connue& o : Toutes) {
        const bool commune = qstrcmp(o.nom, "help") == 0 || qstrcmp(o.nom, "version") == 0;
        if (commune || std::any_of(noms.begin(), noms.end(),
                                   [&](const char* n) { return qstrcmp(n, o.nom) == 0; })) {
            options << o;
        }
    }
    return options;
}

}  // namespace Options_Commandes
