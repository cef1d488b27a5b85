#include <gtest/gtest.h>

#include <stdexcept>

#include "quarlo4.hpp"
#include "reference.hpp"

using namespace quarlo4;
using reference::plateau_de;

namespace {

type_alignements alignements(int n1, int n2, int n3, int n4) { return {{{n1, n2, n3, n4}}}; }

}  // namespace

TEST(Plateau, LaisseLesCellulesLigneParLigneEtVide) {
    type_plateau plateau;
    plateau(2, 3) = UTILISATEUR;
    EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(&plateau)[7 * 1 + 2], UTILISATEUR);
    initialiser_plateau(plateau);
    EXPECT_EQ(plateau, type_plateau{});
    for (int i = 1; i <= nbr_ligne; ++i)
        for (int j = 1; j <= nbr_colonne; ++j) EXPECT_EQ(plateau(i, j), AUCUN);
}

TEST(PlacerJeton, EmpileJusquAuHautPuisRefuseSansRienChanger) {
    for (int colonne = 1; colonne <= nbr_colonne; ++colonne) {
        type_plateau plateau;
        EXPECT_EQ(placer_jeton(plateau, colonne, ORDINATEUR), 6);
        for (int attendu = 5; attendu >= 1; --attendu) EXPECT_EQ(placer_jeton(plateau, colonne, UTILISATEUR), attendu);
        const type_plateau avant = plateau;
        EXPECT_EQ(placer_jeton(plateau, colonne, ORDINATEUR), 0);
        EXPECT_EQ(plateau, avant);
        EXPECT_EQ(plateau(6, colonne), ORDINATEUR);
        EXPECT_EQ(plateau(1, colonne), UTILISATEUR);
    }
}

TEST(PlacerJeton, SeFieAuJetonLePlusHautPasAuFond) {
    type_plateau plateau;
    plateau(3, 5) = ORDINATEUR;
    EXPECT_EQ(placer_jeton(plateau, 5, UTILISATEUR), 2);
    EXPECT_EQ(plateau(6, 5), AUCUN);

    type_plateau haut_occupe;
    haut_occupe(1, 2) = UTILISATEUR;
    EXPECT_EQ(placer_jeton(haut_occupe, 2, ORDINATEUR), 0);
}

TEST(PlacerJeton, ColonneHorsDuPlateauLeveUneErreurAvantToutChangement) {
    type_plateau plateau = plateau_de({".......", ".......", ".......", ".......", "...O...", "..XXO.."});
    const type_plateau avant = plateau;
    for (const int colonne : {0, 8, -1, 1000}) {
        EXPECT_THROW(placer_jeton(plateau, colonne, ORDINATEUR), std::out_of_range) << colonne;
        EXPECT_EQ(plateau, avant);
    }
}

TEST(VerifierGagnant, TrouveLesQuatreFormesJusquAuBordDuPlateau) {
    EXPECT_TRUE(verifier_gagnant(plateau_de({".......", ".......", ".......", ".......", ".......", "...XXXX"}),
                                 ORDINATEUR));
    EXPECT_TRUE(verifier_gagnant(plateau_de({".......", ".......", "...X...", "..X....", ".X.....", "X......"}),
                                 ORDINATEUR));
    EXPECT_TRUE(verifier_gagnant(plateau_de({"...O...", "....O..", ".....O.", "......O", ".......", "......."}),
                                 UTILISATEUR));
    EXPECT_TRUE(verifier_gagnant(plateau_de({".......", ".......", "......X", "......X", "......X", "......X"}),
                                 ORDINATEUR));
}

TEST(VerifierGagnant, QuatreJetonsNonConsecutifsNeFontPasUneLigne) {
    EXPECT_FALSE(verifier_gagnant(plateau_de({".......", ".......", ".......", ".......", ".......", "XXX.X.."}),
                                  ORDINATEUR));
    EXPECT_FALSE(verifier_gagnant(plateau_de({".......", ".......", ".......", ".......", ".......", "XXXOX.."}),
                                  ORDINATEUR));
    EXPECT_FALSE(verifier_gagnant(plateau_de({".......", ".......", "X......", "O......", "X......", "X......"}),
                                  ORDINATEUR));
    // Lines do not wrap from one row into the next.
    EXPECT_FALSE(verifier_gagnant(plateau_de({".......", ".......", ".......", ".......", "XX.....", ".....XX"}),
                                  ORDINATEUR));
}

TEST(VerifierGagnant, NeRepondQuePourLeCoteDemande) {
    const type_plateau plateau = plateau_de({".......", ".......", ".......", ".......", "XXX....", "OOOO..."});
    EXPECT_TRUE(verifier_gagnant(plateau, UTILISATEUR));
    EXPECT_FALSE(verifier_gagnant(plateau, ORDINATEUR));
    EXPECT_TRUE(verifier_gagnant(type_plateau{}, AUCUN));
}

TEST(VerifierNul, NeRegardeQueLaLigneDuHaut) {
    type_plateau presque = plateau_de({"XOXOX.O", "XOXOXOX", "OXOXOXO", "OXOXOXO", "XOXOXOX", "XOXOXOX"});
    EXPECT_FALSE(verifier_nul(presque));
    presque(1, 6) = ORDINATEUR;
    EXPECT_TRUE(verifier_nul(presque));
    const type_plateau plein_et_gagne = plateau_de({"XXXXOOO", "OOOXXXO", "XXXOOOX", "OOOXXXO", "XXXOOOX", "OOOXXXO"});
    EXPECT_TRUE(verifier_nul(plein_et_gagne));
    EXPECT_TRUE(verifier_gagnant(plein_et_gagne, ORDINATEUR));
    EXPECT_FALSE(verifier_nul(type_plateau{}));
}

struct CasAlignement {
    const char* nom;
    std::vector<const char*> lignes;
    type_alignements attendu;
    int note;
};

void PrintTo(const CasAlignement& cas, std::ostream* os) { *os << cas.nom; }

class Alignements : public testing::TestWithParam<CasAlignement> {};

TEST_P(Alignements, ComptesEtNote) {
    const CasAlignement& cas = GetParam();
    const type_plateau plateau = plateau_de(cas.lignes);
    EXPECT_EQ(nb(ORDINATEUR, plateau), cas.attendu);
    EXPECT_EQ(note_situation(ORDINATEUR, plateau), cas.note);
}

INSTANTIATE_TEST_SUITE_P(
    CasDuJeu, Alignements,
    testing::Values(
        CasAlignement{"vide", {".......", ".......", ".......", ".......", ".......", "......."}, alignements(0, 0, 0, 0), 0},
        CasAlignement{"centre", {".......", ".......", ".......", ".......", ".......", "...X..."}, alignements(5, 0, 0, 0), 5},
        CasAlignement{"coin", {".......", ".......", ".......", ".......", ".......", "X......"}, alignements(3, 0, 0, 0), 3},
        // The window of columns 1 to 4 is read from both of its ends.
        CasAlignement{"deux_bouts", {".......", ".......", ".......", ".......", ".......", "X..X..."}, alignements(6, 2, 0, 0), 10},
        // ... and from neither when both ends are empty.
        CasAlignement{"milieu", {".......", ".......", ".......", ".......", ".......", ".XX...."}, alignements(5, 1, 0, 0), 7},
        CasAlignement{"ligne", {".......", ".......", ".......", ".......", ".......", "XXXX..."}, alignements(10, 1, 1, 2), 1016},
        CasAlignement{"pile", {".......", ".......", ".......", "X......", "X......", "X......"}, alignements(7, 1, 1, 0), 13},
        CasAlignement{"bloque", {".......", ".......", ".......", ".......", ".......", "..XO..."}, alignements(2, 0, 0, 0), 2}),
    [](const testing::TestParamInfo<CasAlignement>& info) { return std::string(info.param.nom); });

TEST(Alignements, LaFenetreMontanteSArreteALaPremiereCaseVide) {
    // On a board with a gap, the upward window from (6,1) stops at the gap:
    // it holds one token, not the two that a plain window would see.
    const type_plateau trou = plateau_de({".......", ".......", ".......", "X......", ".......", "X......"});
    EXPECT_EQ(nb(ORDINATEUR, trou), alignements(6, 0, 0, 0));
    const type_plateau bloque = plateau_de({".......", ".......", ".......", ".......", "O......", "X......"});
    EXPECT_EQ(nb(ORDINATEUR, bloque), alignements(2, 0, 0, 0));
}

TEST(Evaluation, EstLaDifferenceDesDeuxNotes) {
    const type_plateau centre = plateau_de({".......", ".......", ".......", ".......", ".......", "...X..."});
    EXPECT_EQ(evaluation(ORDINATEUR, centre), 5);
    EXPECT_EQ(evaluation(UTILISATEUR, centre), -5);
    const type_plateau face = plateau_de({".......", ".......", ".......", ".......", ".......", "..XO..."});
    EXPECT_EQ(nb(UTILISATEUR, face), alignements(4, 0, 0, 0));
    EXPECT_EQ(evaluation(ORDINATEUR, face), -2);
    EXPECT_EQ(evaluation(ORDINATEUR, type_plateau{}), 0);
}

namespace {

std::vector<std::pair<int, int>> en_paires(const type_coups& coups) {
    std::vector<std::pair<int, int>> paires;
    for (const type_coup& coup : coups) paires.emplace_back(coup.colonne, coup.note);
    return paires;
}

using Paires = std::vector<std::pair<int, int>>;

}  // namespace

TEST(CoupsTrouves, PlateauVidePourChaqueCote) {
    const Paires attendu{{4, 5}, {1, 3}, {2, 3}, {3, 3}, {5, 3}, {6, 3}, {7, 3}};
    EXPECT_EQ(en_paires(coups_trouves(ORDINATEUR, type_plateau{})), attendu);
    EXPECT_EQ(en_paires(coups_trouves(UTILISATEUR, type_plateau{})), attendu);
}

TEST(CoupsTrouves, ClasseParNoteDecroissanteEtColonneCroissante) {
    const type_plateau face = plateau_de({".......", ".......", ".......", ".......", ".......", "..XO..."});
    EXPECT_EQ(en_paires(coups_trouves(ORDINATEUR, face)),
              (Paires{{4, 5}, {3, 3}, {5, 1}, {6, 1}, {7, 1}, {1, 0}, {2, 0}}));
    EXPECT_EQ(en_paires(coups_trouves(ORDINATEUR, face)).size(), 7u);
}

TEST(CoupsTrouves, ColonnesPleinesEnDernierDansLOrdreEtPlateauIntact) {
    const type_plateau plein = plateau_de({"XOXOXOX", "XOXOXOX", "OXOXOXO", "OXOXOXO", "XOXOXOX", "XOXOXOX"});
    const type_coups tous_pleins = coups_trouves(ORDINATEUR, plein);
    for (int k = 1; k <= nbr_colonne; ++k) EXPECT_EQ(tous_pleins(k), (type_coup{k, note_colonne_pleine}));

    const type_plateau deux_pleines = plateau_de({"X.O....", "O.X....", "X.O....", "O.X....", "X.O....", "O.X...."});
    const type_plateau avant = deux_pleines;
    const type_coups coups = coups_trouves(UTILISATEUR, deux_pleines);
    EXPECT_EQ(deux_pleines, avant);
    EXPECT_EQ(coups(6), (type_coup{1, note_colonne_pleine}));
    EXPECT_EQ(coups(7), (type_coup{3, note_colonne_pleine}));
    for (int k = 1; k <= 5; ++k) EXPECT_GT(coups(k).note, note_colonne_pleine);
}
