// A game as the players see it: clicks, full columns, wins, draws, new
// games, and whole games against the computer.
#include <random>

#include "fenetre_pkg-callbacks.hpp"
#include "outils.hpp"

using namespace fenetre_pkg;
using namespace outils;
using quarlo4::AUCUN;
using quarlo4::ORDINATEUR;
using quarlo4::UTILISATEUR;

namespace {

// A full board with no line of four, and its top row.
const std::vector<const char*> plein_sans_ligne = {"XXOOXOX", "OXXXOOX", "OOOXXXO",
                                                   "OXXOOOX", "XXOOXXO", "OOXXOOX"};

std::vector<const char*> sans_haut(std::vector<const char*> lignes, const char* haut) {
    lignes[0] = haut;
    return lignes;
}

}  // namespace

using Partie = FenetreTest;

TEST_F(Partie, PremierCoupAuCentre) {
    cliquer(4);
    EXPECT_EQ(plateau(6, 4), ORDINATEUR);
    EXPECT_EQ(image_case(6, 4), "jaune");
    EXPECT_EQ(jetons(), 1);
    EXPECT_EQ(joueur_courant, 2);
    EXPECT_EQ(barre_etat(), "A toi Joueur2");
    cliquer(4);
    EXPECT_EQ(image_case(5, 4), "rouge");
    EXPECT_EQ(barre_etat(), "A toi Joueur1");
    EXPECT_TRUE(images_conformes());
}

TEST_F(Partie, ColonnePleineRefuseeSansRienChanger) {
    for (int k = 0; k < 6; ++k) cliquer(2);
    const quarlo4::type_plateau avant = plateau;
    Repondeur repondeur([](const Repondeur::Boite&) { EXPECT_EQ(joueur_courant, 1); });
    cliquer(2);
    ASSERT_EQ(repondeur.boites().size(), 1u);
    EXPECT_EQ(repondeur.boites()[0].titre, "Error");
    EXPECT_EQ(repondeur.boites()[0].texte, "Jouer dans une autre colonne, celle-ci est pleine!");
    EXPECT_EQ(plateau, avant);
    EXPECT_TRUE(images_conformes());
    EXPECT_EQ(joueur_courant, 1);
    EXPECT_EQ(barre_etat(), "A toi Joueur1");
}

TEST_F(Partie, VictoireDuJoueur1SousLesNomsParDefaut) {
    // Yellow in columns 1-3 of the bottom row, red above them.
    for (const int colonne : {1, 1, 2, 2, 3, 3}) cliquer(colonne);
    Repondeur repondeur([](const Repondeur::Boite&) {
        EXPECT_EQ(donnees_joueurs(1).score, 0) << "the score rises once the box is closed";
    });
    cliquer(4);
    ASSERT_EQ(repondeur.boites().size(), 1u);
    EXPECT_EQ(repondeur.boites()[0].titre, "Information");
    EXPECT_EQ(repondeur.boites()[0].texte, "Joueur 1 alias 'Joueur1' a gagné!");
    EXPECT_EQ(jetons(), 0);
    EXPECT_TRUE(images_conformes());
    EXPECT_EQ(jeu->score_joueur1.get_text(), " 1");
    EXPECT_EQ(jeu->score_joueur2.get_text(), " 0");
    EXPECT_EQ(joueur_courant, 2) << "the loser opens the next game";
}

TEST_F(Partie, VictoireDuJoueur2EtScoresCumules) {
    Repondeur repondeur;
    // The same clicks twice: yellow opens and wins game 1, then red, the
    // loser, opens game 2 and wins it with the same moves.
    for (int partie = 1; partie <= 2; ++partie) {
        for (const int colonne : {1, 1, 2, 2, 3, 3, 4}) cliquer(colonne);
    }
    ASSERT_EQ(repondeur.boites().size(), 2u);
    EXPECT_EQ(repondeur.textes()[0], "Joueur 1 alias 'Joueur1' a gagné!");
    EXPECT_EQ(repondeur.textes()[1], "Joueur 2 alias 'Joueur2' a gagné!");
    EXPECT_EQ(jeu->score_joueur1.get_text(), " 1");
    EXPECT_EQ(jeu->score_joueur2.get_text(), " 1");
    EXPECT_EQ(joueur_courant, 1);
}

TEST_F(Partie, NulParUnHumain) {
    poser(sans_haut(plein_sans_ligne, ".XOOXOX"));
    Repondeur repondeur;
    cliquer(1);
    ASSERT_EQ(repondeur.boites().size(), 1u);
    EXPECT_EQ(repondeur.textes()[0], "Match Nul, reinitialisation du plateau!");
    EXPECT_EQ(jetons(), 0);
    EXPECT_TRUE(images_conformes());
    EXPECT_EQ(joueur_courant, 2);
    EXPECT_EQ(jeu->score_joueur1.get_text(), " 0");
}

TEST_F(Partie, NulParLOrdinateur) {
    donnees_joueurs(2) = {ORDINATEUR, "Joueur2", 0, FACILE};
    poser(sans_haut(plein_sans_ligne, ".X.OXOX"));
    Repondeur repondeur;
    cliquer(1);
    ASSERT_EQ(repondeur.boites().size(), 1u);
    EXPECT_EQ(repondeur.textes()[0], "Match Nul, réinitialisation du plateau!");
    EXPECT_EQ(jetons(), 0);
    EXPECT_EQ(joueur_courant, 1);
}

TEST_F(Partie, NouvellePartieRemetAZeroEtPasseLaMain) {
    Repondeur repondeur;
    for (const int colonne : {1, 1, 2, 2, 3, 3, 4}) cliquer(colonne);
    cliquer(5);
    ASSERT_EQ(donnees_joueurs(1).score, 1);
    ASSERT_EQ(joueur_courant, 1);
    jeu->nouveau.activate();
    EXPECT_EQ(jetons(), 0);
    EXPECT_TRUE(images_conformes());
    EXPECT_EQ(donnees_joueurs(1).score, 0);
    EXPECT_EQ(jeu->score_joueur1.get_text(), " 0");
    EXPECT_EQ(jeu->score_joueur2.get_text(), " 0");
    EXPECT_EQ(joueur_courant, 2);
    EXPECT_EQ(barre_etat(), "Premier a jouer : Joueur2");
}

TEST_F(Partie, NouvellePartieFaitOuvrirLOrdinateur) {
    cliquer(1);
    jeu->dur1.activate();  // player 1, not to move: nothing yet
    EXPECT_EQ(jetons(), 1);
    jeu->nouveau.activate();
    EXPECT_EQ(jetons(), 1) << "the computer opened the new game";
    EXPECT_EQ(plateau(6, 4), ORDINATEUR);
    EXPECT_EQ(joueur_courant, 2);
    EXPECT_EQ(barre_etat(), "A toi Joueur2");
}

TEST_F(Partie, LOrdinateurJoueur2PrendSaVictoire) {
    donnees_joueurs(2) = {ORDINATEUR, "Joueur2", 0, FACILE};
    // Red has three in column 7; yellow's click elsewhere lets red win.
    poser({".......", ".......", ".......", "......O", "X.....O", "XX....O"});
    Repondeur repondeur;
    cliquer(3);
    ASSERT_EQ(repondeur.boites().size(), 1u);
    EXPECT_EQ(repondeur.textes()[0], "Joueur 2 alias 'Joueur2' a gagné!");
    EXPECT_EQ(donnees_joueurs(2).score, 1);
}

TEST_F(Partie, LOrdinateurJoueur2BloqueLeJoueur1) {
    donnees_joueurs(2) = {ORDINATEUR, "Joueur2", 0, DUR};
    poser({".......", ".......", ".......", ".......", "O......", "XX...O."});
    cliquer(3);  // yellow threatens column 4 (and the board has no double threat)
    EXPECT_EQ(plateau(6, 4), UTILISATEUR);
    EXPECT_EQ(joueur_courant, 1);
    EXPECT_TRUE(images_conformes());
}

struct CasOrdinateur {
    int joueur;
    type_difficulte niveau;
};

class ContreLOrdinateur : public FenetreTest, public testing::WithParamInterface<CasOrdinateur> {};

TEST_P(ContreLOrdinateur, PartieEntiereJusquAuResultat) {
    const auto [joueur_ordi, niveau] = GetParam();
    Gtk::RadioMenuItem* items[2][3] = {{&jeu->facile1, &jeu->moyen1, &jeu->dur1},
                                       {&jeu->facile2, &jeu->moyen2, &jeu->dur2}};
    Repondeur repondeur;
    items[joueur_ordi - 1][niveau]->activate();
    traiter_evenements();
    EXPECT_EQ(jetons(), joueur_ordi == 1 ? 1 : 0) << "a computer to move plays at once";
    std::mt19937 alea(static_cast<unsigned>(17 * joueur_ordi + niveau));
    int clics = 0;
    while (repondeur.boites().empty() && clics < 42) {
        ASSERT_NE(joueur_courant, joueur_ordi);
        int colonne;
        do {
            colonne = std::uniform_int_distribution<int>(1, nbr_colonne)(alea);
        } while (plateau(1, colonne) != AUCUN);
        const int avant = jetons();
        cliquer(colonne);
        ++clics;
        if (repondeur.boites().empty()) {
            EXPECT_EQ(jetons(), avant + 2) << "the computer answered";
            EXPECT_TRUE(images_conformes());
        }
    }
    ASSERT_EQ(repondeur.boites().size(), 1u);
    const std::string resultat = repondeur.textes()[0];
    const std::string victoire_ordi = "Joueur " + std::to_string(joueur_ordi) + " alias 'Joueur" +
                                      std::to_string(joueur_ordi) + "' a gagné!";
    EXPECT_EQ(resultat, victoire_ordi) << "a random player does not beat the computer";
    EXPECT_EQ(donnees_joueurs(joueur_ordi).score, 1);
    EXPECT_NE(joueur_courant, joueur_ordi) << "the loser is human, and after he opens the computer answers";
}

std::string nom_cas(const testing::TestParamInfo<CasOrdinateur>& info) {
    static const char* const niveaux[] = {"Facile", "Moyen", "Dur"};
    return "Joueur" + std::to_string(info.param.joueur) + niveaux[info.param.niveau];
}

INSTANTIATE_TEST_SUITE_P(NiveauxEtJoueurs, ContreLOrdinateur,
                         testing::Values(CasOrdinateur{1, FACILE}, CasOrdinateur{1, MOYEN}, CasOrdinateur{1, DUR},
                                         CasOrdinateur{2, FACILE}, CasOrdinateur{2, MOYEN}, CasOrdinateur{2, DUR}),
                         nom_cas);
