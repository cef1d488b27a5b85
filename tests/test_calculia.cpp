#include <gtest/gtest.h>

#include <stdexcept>

#include "calculia.hpp"
#include "reference.hpp"

using namespace calculia;
using namespace quarlo4;
using reference::plateau_de;

namespace {

constexpr int profondeurs[] = {2, 3, 4};

type_resultats rangee(std::initializer_list<type_valeur> valeurs) {
    type_resultats r;
    int c = 1;
    for (const type_valeur v : valeurs) r(c++) = v;
    return r;
}

}  // namespace

TEST(TourOrdinateur, OuvreAuCentreATousLesNiveaux) {
    for (const int p : profondeurs) EXPECT_EQ(tour_ordinateur(type_plateau{}, p), 4) << p;
}

TEST(TourOrdinateur, GagneDansLaPremiereColonneGagnante) {
    // Columns 1 and 5 both win; the leftmost is played.
    const type_plateau plateau = plateau_de({".......", ".......", ".......", ".......", ".OOO...", ".XXX..."});
    for (const int p : profondeurs) EXPECT_EQ(tour_ordinateur(plateau, p), 1) << p;
}

TEST(TourOrdinateur, BloqueLaSeuleMenace) {
    const type_plateau plateau = plateau_de({".......", ".......", ".......", ".......", "XX.....", "OOO...."});
    for (const int p : profondeurs) EXPECT_EQ(tour_ordinateur(plateau, p), 4) << p;
    EXPECT_EQ(evaluer_plateau(creer_nouveau_plateau(plateau, ORDINATEUR, 4), ORDINATEUR, 2), INCONNU);
    EXPECT_EQ(evaluer_plateau(creer_nouveau_plateau(plateau, ORDINATEUR, 5), ORDINATEUR, 2), GAGNE_POUR_UTILISATEUR);
}

TEST(TourOrdinateur, DeuxMenacesImmediatesDonnentLaColonneDeSecours) {
    // The user threatens columns 1 and 5: even two plies ahead every column
    // loses, so the leftmost free column is played.
    const type_plateau plateau = plateau_de({".......", ".......", ".......", ".......", ".XX....", ".OOO..."});
    for (const int p : profondeurs) EXPECT_EQ(tour_ordinateur(plateau, p), 1) << p;
}

TEST(TourOrdinateur, UnePerteLointaineNEmpechePasDeBloquerLaMenaceProche) {
    // Column 3 holds three user tokens. Blocking it lets the user build an
    // open three in the bottom row, so at depth 4 every column loses; the
    // second look at depth 2 still blocks column 3 instead of dropping into
    // the leftmost free column.
    const type_plateau plateau = plateau_de({".......", ".......", ".......", "..O....", "X.O.X..", "X.O.O.X"});
    for (int c = 1; c <= nbr_colonne; ++c) {
        EXPECT_EQ(evaluer_plateau(creer_nouveau_plateau(plateau, ORDINATEUR, c), ORDINATEUR, 4),
                  GAGNE_POUR_UTILISATEUR)
            << c;
    }
    EXPECT_EQ(tour_ordinateur(plateau, 4), 3);
    EXPECT_EQ(tour_ordinateur(plateau, 2), 3);
}

TEST(TourOrdinateur, NulCompleteParLUtilisateurPlutotQuUnePerte) {
    // Two free cells: column 1 lets the user complete a diagonal, column 6
    // leaves him only the draw.
    const type_plateau plateau =
        plateau_de({".OOXX.O", "XOXXOOX", "OXOOXXO", "OXOXOOX", "XXXOOXO", "XOOXXOX"});
    EXPECT_EQ(evaluer_plateau(creer_nouveau_plateau(plateau, ORDINATEUR, 1), ORDINATEUR, 2), GAGNE_POUR_UTILISATEUR);
    EXPECT_EQ(evaluer_plateau(creer_nouveau_plateau(plateau, ORDINATEUR, 6), ORDINATEUR, 2), NUL_POUR_UTILISATEUR);
    for (const int p : profondeurs) EXPECT_EQ(tour_ordinateur(plateau, p), 6) << p;
}

TEST(TourOrdinateur, LeBordDuContratDonneUneColonneJouableOuZero) {
    const type_plateau plateau = plateau_de({"XO.....", "OX.....", "XO.....", "OX.....", "XO.....", "OX....."});
    EXPECT_EQ(tour_ordinateur(plateau, 0), 3);
    EXPECT_EQ(tour_ordinateur(plateau, -5), 3);
    const type_plateau plein = plateau_de({"XOXOXOX", "XOXOXOX", "OXOXOXO", "OXOXOXO", "XOXOXOX", "XOXOXOX"});
    EXPECT_EQ(tour_ordinateur(plein, 4), 0);
}

TEST(EvaluerPlateau, TesteLesGainsEtLeNulAvantLaProfondeur) {
    const type_plateau gagne_x = plateau_de({".......", ".......", ".......", ".......", "OOOO...", "XXXX..."});
    EXPECT_EQ(evaluer_plateau(gagne_x, UTILISATEUR, 1), GAGNE_POUR_ORDINATEUR);  // ORDINATEUR is tested first
    const type_plateau gagne_o = plateau_de({".......", ".......", ".......", ".......", "XXX....", "OOOO..."});
    EXPECT_EQ(evaluer_plateau(gagne_o, ORDINATEUR, 3), GAGNE_POUR_UTILISATEUR);
    const type_plateau plein = plateau_de({"XOXOXOX", "XOXOXOX", "OXOXOXO", "OXOXOXO", "XOXOXOX", "XOXOXOX"});
    EXPECT_EQ(evaluer_plateau(plein, ORDINATEUR, 1), NUL_POUR_ORDINATEUR);
    EXPECT_EQ(evaluer_plateau(plein, UTILISATEUR, 4), NUL_POUR_UTILISATEUR);
    EXPECT_EQ(evaluer_plateau(type_plateau{}, ORDINATEUR, 1), INCONNU);
    EXPECT_THROW(evaluer_plateau(type_plateau{}, ORDINATEUR, 0), std::invalid_argument);
}

TEST(TrouverMeilleur, PrendLaPlusAGaucheDesMeilleuresEtIgnoreLesIllegales) {
    const type_resultats r = rangee({ILLEGALE, INCONNU, NUL_POUR_ORDINATEUR, GAGNE_POUR_UTILISATEUR,
                                     NUL_POUR_ORDINATEUR, NUL_POUR_UTILISATEUR, ILLEGALE});
    EXPECT_EQ(trouver_meilleur_coup(r, ORDINATEUR), 3);
    EXPECT_EQ(trouver_meilleur_resultat(r, ORDINATEUR), NUL_POUR_ORDINATEUR);
    EXPECT_EQ(trouver_meilleur_coup(r, UTILISATEUR), 4);
    EXPECT_EQ(trouver_meilleur_resultat(r, UTILISATEUR), GAGNE_POUR_UTILISATEUR);

    const type_resultats gains = rangee({INCONNU, GAGNE_POUR_ORDINATEUR, NUL_POUR_ORDINATEUR, GAGNE_POUR_ORDINATEUR});
    EXPECT_EQ(trouver_meilleur_coup(gains, ORDINATEUR), 2);
}

TEST(TrouverMeilleur, UneRangeeSansIssueDonneZeroEtLaValeurDeDepart) {
    const type_resultats pertes = rangee({GAGNE_POUR_UTILISATEUR, ILLEGALE, GAGNE_POUR_UTILISATEUR});
    EXPECT_EQ(trouver_meilleur_coup(pertes, ORDINATEUR), 0);
    EXPECT_EQ(trouver_meilleur_resultat(pertes, ORDINATEUR), GAGNE_POUR_UTILISATEUR);
    EXPECT_EQ(trouver_meilleur_coup(type_resultats{}, ORDINATEUR), 0);
    EXPECT_EQ(trouver_meilleur_resultat(type_resultats{}, UTILISATEUR), GAGNE_POUR_ORDINATEUR);
}

TEST(TrouverToutInconnus, ColonnesOuvertesDansLOrdre) {
    const type_candidats c =
        trouver_tout_inconnus(rangee({INCONNU, ILLEGALE, INCONNU, NUL_POUR_ORDINATEUR, ILLEGALE, INCONNU, INCONNU}));
    EXPECT_EQ(c.nombre, 4);
    EXPECT_EQ(c.colonnes(1), 1);
    EXPECT_EQ(c.colonnes(2), 3);
    EXPECT_EQ(c.colonnes(3), 6);
    EXPECT_EQ(c.colonnes(4), 7);
    EXPECT_EQ(trouver_tout_inconnus(type_resultats{}).nombre, 0);
}

TEST(EvaluerPlateauInconnu, UnJetonSeulAuFond) {
    const int attendu[] = {3, 4, 5, 7, 5, 4, 3};
    for (int c = 1; c <= nbr_colonne; ++c) {
        EXPECT_EQ(evaluer_plateau_inconnu(creer_nouveau_plateau(type_plateau{}, ORDINATEUR, c)), attendu[c - 1]);
        EXPECT_EQ(evaluer_plateau_inconnu(creer_nouveau_plateau(type_plateau{}, UTILISATEUR, c)), -attendu[c - 1]);
    }
}

TEST(EvaluerPlateauInconnu, FenetresMixtesNulles) {
    // Row 6 columns 1-4 holds X X O: it adds 0, not 8 - 1.
    EXPECT_EQ(evaluer_plateau_inconnu(plateau_de({".......", ".......", ".......", ".......", ".......", "XXO...."})), 1);
    // Two user tokens with two empty cells weigh -8.
    EXPECT_EQ(evaluer_plateau_inconnu(plateau_de({".......", ".......", ".......", ".......", ".......", "OO....."})), -13);
    EXPECT_EQ(poids_fonction(3), 27);
}

TEST(CreerNouveauPlateau, CopieSansToucherLOriginal) {
    const type_plateau plateau = plateau_de({".......", ".......", ".......", ".......", ".......", "...X..."});
    const type_plateau nouveau = creer_nouveau_plateau(plateau, UTILISATEUR, 4);
    EXPECT_EQ(nouveau(5, 4), UTILISATEUR);
    EXPECT_EQ(plateau(5, 4), AUCUN);
}
