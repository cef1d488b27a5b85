// The move advice, byte for byte.
#include "fenetre_pkg-callbacks.hpp"
#include "outils.hpp"
#include "reference.hpp"

using namespace fenetre_pkg;
using namespace outils;
using callbacks::texte_aide;
using quarlo4::ORDINATEUR;
using quarlo4::UTILISATEUR;

namespace {

std::vector<std::string> lignes(const std::string& texte) {
    std::vector<std::string> resultat;
    std::size_t debut = 0;
    for (;;) {
        const std::size_t fin = texte.find('\n', debut);
        resultat.push_back(texte.substr(debut, fin - debut));
        if (fin == std::string::npos) return resultat;
        debut = fin + 1;
    }
}

const std::string colonne = "Si vous jouez dans la colonne ";
const std::string evaluation = "-> La situation resultante donnera l'evaluation: ";

}  // namespace

TEST(TexteAide, PlateauVide) {
    const std::string attendu =
        "Nombre de coups avec 1 pion :  0\n"
        "Nombre de coups avec 2 pions :  0\n"
        "Nombre de coups avec 3 pions :  0\n"
        "Nombre de coups avec 4 pions :  0\n"
        "\n" +
        colonne + " 4" + evaluation + " 5\n" + colonne + " 1" + evaluation + " 3\n" + colonne + " 2" + evaluation +
        " 3\n" + colonne + " 3" + evaluation + " 3\n" + colonne + " 5" + evaluation + " 3\n" + colonne + " 6" +
        evaluation + " 3\n" + colonne + " 7" + evaluation + " 3\n" +
        "\n"
        "Votre note globale :  0\n"
        "Meilleure colonne :  4";
    EXPECT_EQ(texte_aide(ORDINATEUR, quarlo4::type_plateau{}), attendu);
    EXPECT_EQ(texte_aide(UTILISATEUR, quarlo4::type_plateau{}), attendu);
}

TEST(TexteAide, ColonnePleineEnDernierEtNotesNegatives) {
    // Column 1 is full; red holds the bottom rows, so yellow's columns score
    // below zero.
    const quarlo4::type_plateau plateau =
        reference::plateau_de({"X......", "O......", "X......", "O......", "XOO....", "OOOX..."});
    const auto l = lignes(texte_aide(ORDINATEUR, plateau));
    ASSERT_EQ(l.size(), 15u);
    EXPECT_EQ(l[4], "");
    EXPECT_EQ(l[12], "");
    EXPECT_EQ(l[11], colonne + " 1" + evaluation + "pleine");
    bool negative = false;
    for (int k = 5; k < 11; ++k) {
        EXPECT_EQ(l[k].find("pleine"), std::string::npos);
        const std::string note = l[k].substr(l[k].find(evaluation) + evaluation.size());
        if (note[0] == '-') {
            negative = true;
            EXPECT_NE(note[1], ' ');
        } else {
            EXPECT_EQ(note[0], ' ');
        }
    }
    EXPECT_TRUE(negative);
    EXPECT_EQ(l[14], "Meilleure colonne : " + l[5].substr(colonne.size(), 2));
}

TEST(TexteAide, EgaliteDonneLaPlusPetiteColonne) {
    // A mirror board with its centre column full: the best note is shared by
    // a column and its mirror image.
    const quarlo4::type_plateau miroir =
        reference::plateau_de({"...X...", "...O...", "...X...", "...O...", "...X...", "...O..."});
    const auto l = lignes(texte_aide(UTILISATEUR, miroir));
    const int premiere = std::stoi(l[5].substr(colonne.size()));
    const int seconde = std::stoi(l[6].substr(colonne.size()));
    EXPECT_LT(premiere, 4);
    EXPECT_EQ(seconde, 8 - premiere);
    EXPECT_EQ(l[5].substr(l[5].find(evaluation)), l[6].substr(l[6].find(evaluation)));
    EXPECT_EQ(l[14], "Meilleure colonne :  " + std::to_string(premiere));
}

TEST(TexteAide, ToutesColonnesPleines) {
    const quarlo4::type_plateau plein =
        reference::plateau_de({"XXOOXOX", "OXXXOOX", "OOOXXXO", "OXXOOOX", "XXOOXXO", "OOXXOOX"});
    const auto l = lignes(texte_aide(ORDINATEUR, plein));
    for (int k = 5; k < 12; ++k) EXPECT_EQ(l[k], colonne + " " + std::to_string(k - 4) + evaluation + "pleine");
    EXPECT_EQ(l[14], "Meilleure colonne :  1");
}

using Aide = FenetreTest;

TEST_F(Aide, PourLeJoueurQuiALaMainSansRienChanger) {
    for (const int c : {4, 4, 3}) cliquer(c);
    const quarlo4::type_plateau avant = plateau;
    Repondeur repondeur;
    jeu->aide.activate();
    jeu->aide.activate();
    ASSERT_EQ(repondeur.boites().size(), 2u);
    EXPECT_EQ(repondeur.boites()[0].titre, "Information");
    EXPECT_EQ(repondeur.textes()[0], texte_aide(UTILISATEUR, plateau));
    EXPECT_NE(repondeur.textes()[0], texte_aide(ORDINATEUR, plateau));
    EXPECT_EQ(repondeur.textes()[1], repondeur.textes()[0]);
    EXPECT_EQ(plateau, avant);
    EXPECT_EQ(joueur_courant, 2);
}
