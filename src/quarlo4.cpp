#include "quarlo4.hpp"

#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>

namespace quarlo4 {

bool operator==(const type_plateau& a, const type_plateau& b) {
    return std::memcmp(a.cellules, b.cellules, sizeof a.cellules) == 0;
}

void initialiser_plateau(type_plateau& plateau) { plateau = type_plateau{}; }

int placer_jeton(type_plateau& plateau, int colonne, type_joueur cote) {
    if (colonne < 1 || colonne > nbr_colonne) {
        throw std::out_of_range("placer_jeton: colonne " + std::to_string(colonne) +
                                " hors de 1.." + std::to_string(nbr_colonne));
    }
    // Scanning from the top lands the token just above the topmost token,
    // even on a board whose column has a gap.
    int ligne = 1;
    while (ligne <= nbr_ligne && plateau(ligne, colonne) == AUCUN) ++ligne;
    --ligne;
    if (ligne == 0) return 0;
    plateau(ligne, colonne) = cote;
    return ligne;
}

namespace {

// The four shapes of a line, as (row step, column step) from its start cell.
struct type_direction {
    int dl;
    int dc;
};
constexpr type_direction directions_lignes[] = {{0, 1}, {1, 0}, {-1, 1}, {1, 1}};

bool sur_plateau(int ligne, int colonne) {
    return ligne >= 1 && ligne <= nbr_ligne && colonne >= 1 && colonne <= nbr_colonne;
}

}  // namespace

bool verifier_gagnant(const type_plateau& plateau, type_joueur cote) {
    for (int i = 1; i <= nbr_ligne; ++i) {
        for (int j = 1; j <= nbr_colonne; ++j) {
            for (const auto [dl, dc] : directions_lignes) {
                if (!sur_plateau(i + 3 * dl, j + 3 * dc)) continue;
                int k = 0;
                while (k < 4 && plateau(i + k * dl, j + k * dc) == cote) ++k;
                if (k == 4) return true;
            }
        }
    }
    return false;
}

bool verifier_nul(const type_plateau& plateau) {
    for (int j = 1; j <= nbr_colonne; ++j) {
        if (plateau(1, j) == AUCUN) return false;
    }
    return true;
}

namespace {

// The five directions that do not lead downward, as counted by nb.
constexpr type_direction haut{-1, 0};
constexpr type_direction directions_fenetres[] = {haut, {0, 1}, {0, -1}, {-1, 1}, {-1, -1}};

// Number of the side's cells in the window anchored at (i, j), or 0 when the
// window is not counted. The upward window is read only up to its first empty
// cell, so that it counts the stack as it stands.
int jetons_fenetre(const type_plateau& plateau, type_joueur cote, int i, int j, type_direction d) {
    int k = 0;
    for (int t = 0; t < 4; ++t) {
        const type_joueur cellule = plateau(i + t * d.dl, j + t * d.dc);
        if (cellule == AUCUN) {
            if (d.dl == haut.dl && d.dc == haut.dc) break;
        } else if (cellule == cote) {
            ++k;
        } else {
            return 0;
        }
    }
    return k;
}

}  // namespace

type_alignements nb(type_joueur cote, const type_plateau& plateau) {
    type_alignements n;
    for (int i = nbr_ligne; i >= 1; --i) {
        for (int j = 1; j <= nbr_colonne; ++j) {
            if (plateau(i, j) != cote) continue;
            for (const type_direction d : directions_fenetres) {
                if (!sur_plateau(i + 3 * d.dl, j + 3 * d.dc)) continue;
                const int k = jetons_fenetre(plateau, cote, i, j, d);
                if (k > 0) ++n(k);
            }
        }
    }
    return n;
}

int note_situation(type_joueur cote, const type_plateau& plateau) {
    const type_alignements n = nb(cote, plateau);
    return n(1) + 2 * n(2) + 4 * n(3) + 500 * n(4);
}

std::int32_t evaluation(type_joueur cote, const type_plateau& plateau) {
    return note_situation(cote, plateau) - note_situation(autre_cote(cote), plateau);
}

type_coups coups_trouves(type_joueur cote, const type_plateau& plateau) {
    type_coups coups;
    for (int colonne = 1; colonne <= nbr_colonne; ++colonne) {
        type_plateau copie = plateau;
        const bool pleine = placer_jeton(copie, colonne, cote) == 0;
        coups(colonne) = {colonne, pleine ? note_colonne_pleine : evaluation(cote, copie)};
    }
    // Exchange sort: stable, so equal notes keep ascending column order.
    for (int passe = 0; passe <= nbr_colonne - 2; ++passe) {
        bool echange = false;
        for (int k = 1; k <= nbr_colonne - 1 - passe; ++k) {
            if (coups(k + 1).note > coups(k).note) {
                std::swap(coups(k), coups(k + 1));
                echange = true;
            }
        }
        if (!echange) break;
    }
    return coups;
}

}  // namespace quarlo4
