// Properties over many positions reached in play, and the fast search
// checked against the transcription on the plain rules.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "calculia.hpp"
#include "reference.hpp"

using namespace calculia;
using namespace quarlo4;

namespace {

bool sans_trou(const type_plateau& plateau) {
    for (int j = 1; j <= nbr_colonne; ++j) {
        for (int i = 1; i < nbr_ligne; ++i) {
            if (plateau(i, j) != AUCUN && plateau(i + 1, j) == AUCUN) return false;
        }
    }
    return true;
}

// Four in a line through (ligne, colonne), counted outward cell by cell.
bool ligne_par(const type_plateau& plateau, int ligne, int colonne) {
    const type_joueur cote = plateau(ligne, colonne);
    const int directions[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    for (const auto& d : directions) {
        int n = 1;
        for (const int sens : {1, -1}) {
            int i = ligne + sens * d[0], j = colonne + sens * d[1];
            while (i >= 1 && i <= nbr_ligne && j >= 1 && j <= nbr_colonne && plateau(i, j) == cote) {
                ++n;
                i += sens * d[0];
                j += sens * d[1];
            }
        }
        if (n >= 4) return true;
    }
    return false;
}

std::string cle(const type_plateau& plateau) {
    return std::string(reinterpret_cast<const char*>(&plateau), sizeof plateau);
}

}  // namespace

TEST(Proprietes, PartiesAleatoiresSansTrouEtGainsDetectesParLeDernierJeton) {
    std::mt19937 alea(2026);
    int gains = 0;
    for (int partie = 0; partie < 3000; ++partie) {
        type_plateau plateau;
        type_joueur cote = ORDINATEUR;
        for (;;) {
            int colonne;
            do {
                colonne = std::uniform_int_distribution<int>(1, nbr_colonne)(alea);
            } while (plateau(1, colonne) != AUCUN);
            const int ligne = placer_jeton(plateau, colonne, cote);
            ASSERT_GE(ligne, 1);
            ASSERT_TRUE(sans_trou(plateau));
            const bool gagne = verifier_gagnant(plateau, cote);
            ASSERT_EQ(gagne, ligne_par(plateau, ligne, colonne));
            ASSERT_FALSE(verifier_gagnant(plateau, autre_cote(cote)));
            if (gagne) {
                ++gains;
                break;
            }
            if (verifier_nul(plateau)) break;
            cote = autre_cote(cote);
        }
    }
    EXPECT_GT(gains, 2000);
}

TEST(Proprietes, PositionsDistinctesApresNCoups) {
    const long attendu[] = {1, 7, 49, 238, 1120, 4263, 16422};
    std::set<std::string> vues;
    std::vector<type_plateau> niveau{type_plateau{}};
    type_joueur cote = ORDINATEUR;
    EXPECT_EQ(static_cast<long>(niveau.size()), attendu[0]);
    for (int n = 1; n <= 6; ++n) {
        std::vector<type_plateau> suivant;
        vues.clear();
        for (const type_plateau& plateau : niveau) {
            if (verifier_gagnant(plateau, autre_cote(cote))) continue;
            for (int c = 1; c <= nbr_colonne; ++c) {
                type_plateau enfant = plateau;
                if (placer_jeton(enfant, c, cote) != 0 && vues.insert(cle(enfant)).second) suivant.push_back(enfant);
            }
        }
        niveau = std::move(suivant);
        EXPECT_EQ(static_cast<long>(niveau.size()), attendu[n]) << n;
        cote = autre_cote(cote);
    }
}

TEST(Proprietes, LeCalculRendUneColonneLibreEtNeTouchePasAuPlateau) {
    for (const type_plateau& plateau : reference::positions_de_jeu(11, 1500, 0, 40)) {
        const type_plateau avant = plateau;
        for (const int p : {2, 3, 4}) {
            const int colonne = tour_ordinateur(plateau, p);
            ASSERT_GE(colonne, 1);
            ASSERT_LE(colonne, nbr_colonne);
            ASSERT_EQ(plateau(1, colonne), AUCUN);
        }
        coups_trouves(ORDINATEUR, plateau);
        coups_trouves(UTILISATEUR, plateau);
        ASSERT_EQ(plateau, avant);
    }
}

TEST(Proprietes, PlateauSymetriqueJoueAGaucheDuCentreOuAuCentre) {
    // Mirror boards give mirror rows and scores: ties go to the left.
    std::mt19937 alea(5);
    int essais = 0;
    while (essais < 500) {
        type_plateau plateau;
        for (int c = 1; c <= 4; ++c) {
            const int hauteur = std::uniform_int_distribution<int>(0, 5)(alea);
            for (int h = 0; h < hauteur; ++h) {
                const type_joueur cote = std::uniform_int_distribution<int>(0, 1)(alea) ? ORDINATEUR : UTILISATEUR;
                placer_jeton(plateau, c, cote);
                if (c < 4) placer_jeton(plateau, nbr_colonne + 1 - c, cote);
            }
        }
        if (verifier_gagnant(plateau, ORDINATEUR) || verifier_gagnant(plateau, UTILISATEUR)) continue;
        ++essais;
        for (const int p : {2, 3, 4}) ASSERT_LE(tour_ordinateur(plateau, p), 4);
    }
}

TEST(CheminRapide, MemesReponsesQueLesReglesSimplesEnCoursDePartie) {
    for (const type_plateau& plateau : reference::positions_de_jeu(99, 600, 0, 38)) {
        ASSERT_EQ(evaluer_plateau_inconnu(plateau), reference::evaluer_plateau_inconnu(plateau));
        for (const type_joueur joueur : {ORDINATEUR, UTILISATEUR}) {
            for (int p = 1; p <= 4; ++p) {
                ASSERT_EQ(evaluer_plateau(plateau, joueur, p), reference::evaluer_plateau(plateau, joueur, p));
            }
        }
        for (const int p : {1, 2, 3, 4}) ASSERT_EQ(tour_ordinateur(plateau, p), reference::tour_ordinateur(plateau, p));
    }
}

TEST(CheminRapide, MemesReponsesSurDesPlateauxQuelconques) {
    // Gaps, floating tokens, boards already won or full.
    std::mt19937 alea(42);
    for (int k = 0; k < 1500; ++k) {
        const type_plateau plateau = reference::plateau_quelconque(alea);
        ASSERT_EQ(evaluer_plateau_inconnu(plateau), reference::evaluer_plateau_inconnu(plateau));
        for (const type_joueur joueur : {ORDINATEUR, UTILISATEUR}) {
            for (int p = 1; p <= 3; ++p) {
                ASSERT_EQ(evaluer_plateau(plateau, joueur, p), reference::evaluer_plateau(plateau, joueur, p));
            }
        }
        for (const int p : {2, 3, 4}) ASSERT_EQ(tour_ordinateur(plateau, p), reference::tour_ordinateur(plateau, p));
    }
}
