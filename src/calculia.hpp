// The computer player: an exhaustive, depth-limited look-ahead that always
// plays for ORDINATEUR (maximising) against UTILISATEUR (minimising).
#pragma once

#include <cstdint>

#include "quarlo4.hpp"

namespace calculia {

using quarlo4::type_joueur;
using quarlo4::type_plateau;

// Outcome scale, worst to best for ORDINATEUR. The draws straddle INCONNU so
// that a draw the computer completes beats an open position, and an open
// position beats a draw the user completes.
enum type_valeur : std::uint8_t {
    ILLEGALE,  // full column, or not examined after a cut-off
    GAGNE_POUR_UTILISATEUR,
    NUL_POUR_UTILISATEUR,
    INCONNU,
    NUL_POUR_ORDINATEUR,
    GAGNE_POUR_ORDINATEUR,
};

// Outcome of dropping the side to move's token into each column 1..7.
using type_resultats = quarlo4::tableau<type_valeur, quarlo4::nbr_colonne>;

// Columns, ascending, of the first `nombre` entries.
struct type_candidats {
    quarlo4::tableau<int, quarlo4::nbr_colonne> colonnes;
    int nombre = 0;
};

// The column (1..7) the computer plays, looking `profondeur` plies ahead.
// Precondition: a column is free and nobody has won. Any failure inside
// (including profondeur < 1) gives the leftmost free column; a full board,
// which has none, gives 0.
int tour_ordinateur(const type_plateau& plateau, int profondeur);

// Outcome of a position produced by `joueur`'s token. Throws
// std::invalid_argument when profondeur < 1.
type_valeur evaluer_plateau(const type_plateau& plateau, type_joueur joueur, int profondeur);

// A copy of the board with `joueur`'s token dropped into `colonne`.
type_plateau creer_nouveau_plateau(const type_plateau& plateau, type_joueur joueur, int colonne);

type_valeur trouver_meilleur_resultat(const type_resultats& resultats, type_joueur joueur);

// Leftmost column holding the best entry for `joueur`, or 0 when no entry
// beats that side's starting value (every examined column lost).
int trouver_meilleur_coup(const type_resultats& resultats, type_joueur joueur);

type_candidats trouver_tout_inconnus(const type_resultats& resultats);

// Static score of an open position over its 69 windows of four; positive
// favours ORDINATEUR.
std::int32_t evaluer_plateau_inconnu(const type_plateau& plateau);

constexpr int poids_fonction(int n) { return n * n * n; }

}  // namespace calculia
