// The bash completion the build generates, against the real caldrix-cli. It and the parser are
// made from one table of options: a few commands stand for all of them.
#include "Cli_Test.h"

namespace {

// What the completion offers for a command line whose last word is being completed.
QStringList Offert(const QStringList& mots) {
    const Execution bash =
        Executer(u"bash"_s, QStringList{u"-c"_s,
                                        u"source \"$0\"; COMP_WORDS=(\"$@\"); "
                                        "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _caldrix_cli; "
                                        "printf '%s\\n' \"${COMPREPLY[@]}\""_s,
                                        QStringLiteral(CALDRIX_COMPLETION), u"caldrix-cli"_s} +
                                mots);
    EXPECT_EQ(bash.erreurs, QString());
    return bash.sortie.split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace

using Completion = Cli_Test;

TEST_F(Completion, OffreLesCommandesEtLesActionsDArchiveQueLAideNomme) {
    const Execution aide = Lancer({u"--help"_s});
    const QString liste = aide.sortie.section(u"Commandes :\n"_s, 1).section(u"\n\n"_s, 0, 0);
    QStringList nommees;
    for (const QString& ligne : liste.split(u'\n'))
        nommees << ligne.simplified().section(u' ', 0, 0);
    EXPECT_EQ(Offert({u""_s}), nommees + QStringList({u"--help"_s, u"--version"_s}));

    const Execution archive = Lancer({u"archive"_s, u"--help"_s});
    QStringList actions;
    for (const QString& ligne : archive.sortie.split(u'\n'))
        if (ligne.contains(u"caldrix-cli archive "_s))
            actions << ligne.section(u"caldrix-cli archive "_s, 1).section(u' ', 0, 0);
    EXPECT_EQ(actions, (QStringList{u"add"_s, u"list"_s, u"export"_s, u"verify"_s}));
    EXPECT_EQ(Offert({u"archive"_s, u""_s}), actions + QStringList(u"--help"_s));
    EXPECT_EQ(Offert({u"st"_s}), (QStringList{u"stats"_s, u"study"_s}));
}

// Each option offered after a command is accepted by it; an option of another command is not.
TEST_F(Completion, UneCommandeAccepteCeQuiLuiEstOffertEtRefuseLeReste) {
    const std::pair<QStringList, QString> cas[] = {{{u"stats"_s}, u"--port"_s},
                                                   {{u"archive"_s, u"list"_s}, u"--output"_s}};
    for (const auto& [commande, autre] : cas) {
        const QStringList offertes = Offert(commande + QStringList{u"--"_s});
        EXPECT_GT(offertes.size(), 5) << qPrintable(commande.join(u' '));
        for (const QString& option : offertes) {
            // "x": the option's value, or a file that does not exist for an option without one.
            const Execution e = Lancer(commande + QStringList{option, u"x"_s});
            EXPECT_FALSE(e.erreurs.contains(u"ne s'applique pas"_s) ||
                         e.erreurs.contains(u"inconnue"_s))
                << qPrintable(option + u" : "_s + e.erreurs);
        }
        const Execution e = Lancer(commande + QStringList{autre, u"x"_s});
        EXPECT_TRUE(e.erreurs.contains(
            u"l'option %1 ne s'applique pas à « %2 »"_s.arg(autre, commande.join(u' '))))
            << e.erreurs.toStdString();
    }
}

// After an option that takes a value, the completion offers no option (bash completes a file
// name); after one without, the command's options again.
TEST_F(Completion, LaValeurDUneOptionEstCompleteeCommeUneValeur) {
    const QStringList stats = {u"--from"_s,    u"--to"_s,   u"--high"_s, u"--low"_s,
                               u"--delta-h"_s, u"--unit"_s, u"--json"_s, u"--help"_s};
    const std::pair<QStringList, QStringList> cas[] = {
        {{u"stats"_s, u"four.txt"_s, u"--from"_s, u""_s}, {}},
        {{u"stats"_s, u"--high"_s, u"--"_s}, {}},
        {{u"stats"_s, u"--json"_s, u"--"_s}, stats},
        {{u"stats"_s, u"--from"_s, u"2026-12-05"_s, u"--"_s}, stats},
        // bash cuts "--from=2026-12-05" into three words
        {{u"stats"_s, u"--from"_s, u"="_s, u"2026-12-05"_s, u"--"_s}, stats},
        {{u"--port"_s, u"3"_s, u"info"_s, u"--"_s}, {u"--port"_s, u"--help"_s}},
        // after "--" every word is a file, as caldrix-cli reads it
        {{u"stats"_s, u"--"_s, u"--"_s}, {}},
        {{u"archive"_s, u"list"_s, u"--logger"_s, u"FOUR01"_s, u"--t"_s}, {u"--to"_s, u"--text"_s}},
    };
    for (const auto& [mots, attendu] : cas)
        EXPECT_EQ(Offert(mots), attendu) << qPrintable(mots.join(u' '));
}
