// A failure ends the program with a report on standard output and status 1.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct Sortie {
    std::string texte;
    int statut;
};

Sortie executer(const std::string& cas) {
    const std::string commande = std::string(QUARLO4_ECHEC) + " " + cas;
    FILE* flux = popen(commande.c_str(), "r");
    Sortie sortie{"", -1};
    if (flux == nullptr) return sortie;
    char tampon[256];
    while (fgets(tampon, sizeof tampon, flux) != nullptr) sortie.texte += tampon;
    const int brut = pclose(flux);
    sortie.statut = WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
    return sortie;
}

}  // namespace

TEST(Echec, ExceptionDansUnGestionnaire) {
    const Sortie sortie = executer("gestionnaire");
    EXPECT_EQ(sortie.statut, 1);
    EXPECT_EQ(sortie.texte, "Exception name: std::out_of_range\nMessage: placer_jeton: colonne 0 hors de 1..7\n");
}

TEST(Echec, ExceptionAuDemarrage) {
    const Sortie sortie = executer("demarrage");
    EXPECT_EQ(sortie.statut, 1);
    EXPECT_EQ(sortie.texte, "Exception name: std::runtime_error\nMessage: panne au demarrage\n");
}
