#include "calculia.hpp"

#include <array>
#include <stdexcept>

namespace calculia {

using namespace quarlo4;

namespace {

// Inside the search a board is seen as two bit sets, one per side. Each
// column takes 7 bits, bottom row first; the seventh bit stays empty so that
// a shifted line never runs from one column into the next. The answers are
// those of the plain rules on the same board, gaps included.
using type_bits = std::uint64_t;
constexpr int bits_colonne = nbr_ligne + 1;

constexpr type_bits bit(int ligne, int colonne) {
    return type_bits{1} << ((colonne - 1) * bits_colonne + (nbr_ligne - ligne));
}

constexpr type_bits calculer_ligne_du_haut() {
    type_bits masque = 0;
    for (int colonne = 1; colonne <= nbr_colonne; ++colonne) masque |= bit(1, colonne);
    return masque;
}
constexpr type_bits ligne_du_haut = calculer_ligne_du_haut();

struct type_position {
    type_bits ordinateur = 0;
    type_bits utilisateur = 0;

    type_bits occupees() const { return ordinateur | utilisateur; }
    type_bits& jetons(type_joueur cote) { return cote == ORDINATEUR ? ordinateur : utilisateur; }
    type_bits jetons(type_joueur cote) const { return cote == ORDINATEUR ? ordinateur : utilisateur; }
};

type_position vue(const type_plateau& plateau) {
    type_position p;
    for (int ligne = 1; ligne <= nbr_ligne; ++ligne) {
        for (int colonne = 1; colonne <= nbr_colonne; ++colonne) {
            if (plateau(ligne, colonne) == ORDINATEUR) p.ordinateur |= bit(ligne, colonne);
            if (plateau(ligne, colonne) == UTILISATEUR) p.utilisateur |= bit(ligne, colonne);
        }
    }
    return p;
}

bool colonne_pleine(const type_position& p, int colonne) {
    return (p.occupees() & bit(1, colonne)) != 0;
}

bool plateau_plein(const type_position& p) { return (p.occupees() & ligne_du_haut) == ligne_du_haut; }

// The token lands just above the topmost token of the column (as the plain
// drop does, gaps below included). The column must not be full.
type_position jouer(type_position p, type_joueur cote, int colonne) {
    const int decalage = (colonne - 1) * bits_colonne;
    const unsigned pile = static_cast<unsigned>(p.occupees() >> decalage) & 0x3Fu;
    const int hauteur = pile == 0 ? 0 : 32 - __builtin_clz(pile);
    if (cote == ORDINATEUR || cote == UTILISATEUR) p.jetons(cote) |= type_bits{1} << (decalage + hauteur);
    return p;
}

// Four in a line along any direction: vertical (1), horizontal (7) and the
// two diagonals (6, 8), in steps of the bit layout.
bool aligne(type_bits b) {
    for (const int d : {1, bits_colonne, bits_colonne - 1, bits_colonne + 1}) {
        const type_bits paires = b & (b >> d);
        if (paires & (paires >> (2 * d))) return true;
    }
    return false;
}

constexpr type_valeur victoire(type_joueur cote) {
    return cote == ORDINATEUR ? GAGNE_POUR_ORDINATEUR : GAGNE_POUR_UTILISATEUR;
}

constexpr type_valeur nul(type_joueur dernier) {
    return dernier == UTILISATEUR ? NUL_POUR_UTILISATEUR : NUL_POUR_ORDINATEUR;
}

// The side that answers `joueur` in the look-ahead.
constexpr type_joueur adversaire(type_joueur joueur) {
    return joueur == ORDINATEUR ? UTILISATEUR : ORDINATEUR;
}

constexpr bool meilleur_pour(type_joueur cote, type_valeur v, type_valeur meilleur) {
    return v != ILLEGALE && (cote == ORDINATEUR ? v > meilleur : v < meilleur);
}

constexpr type_valeur depart(type_joueur cote) {
    return cote == ORDINATEUR ? GAGNE_POUR_UTILISATEUR : GAGNE_POUR_ORDINATEUR;
}

type_valeur suite(const type_position& p, type_joueur joueur, int profondeur);

// Outcome of a position right after `joueur`'s token, knowing that nobody had
// four in a line before it: only `joueur` can have one now.
type_valeur apres_coup(const type_position& p, type_joueur joueur, int profondeur) {
    if (aligne(p.jetons(joueur))) return victoire(joueur);
    if (plateau_plein(p)) return nul(joueur);
    return suite(p, joueur, profondeur);
}

// Outcome of any position: both sides' lines are tested, ORDINATEUR first.
type_valeur issue(const type_position& p, type_joueur joueur, int profondeur) {
    if (aligne(p.ordinateur)) return GAGNE_POUR_ORDINATEUR;
    if (aligne(p.utilisateur)) return GAGNE_POUR_UTILISATEUR;
    if (plateau_plein(p)) return nul(joueur);
    return suite(p, joueur, profondeur);
}

// The open position's value: the other side's best reply, left to right,
// stopping at its first win.
type_valeur suite(const type_position& p, type_joueur joueur, int profondeur) {
    if (profondeur == 1) return INCONNU;
    const type_joueur autre = adversaire(joueur);
    type_valeur meilleur = depart(autre);
    for (int colonne = 1; colonne <= nbr_colonne; ++colonne) {
        if (colonne_pleine(p, colonne)) continue;
        const type_valeur v = apres_coup(jouer(p, autre, colonne), autre, profondeur - 1);
        if (meilleur_pour(autre, v, meilleur)) meilleur = v;
        if (v == victoire(autre)) break;
    }
    return meilleur;
}

// The 69 windows of four cells as bit masks.
constexpr std::array<type_bits, 69> calculer_fenetres() {
    std::array<type_bits, 69> fenetres{};
    int n = 0;
    for (int r = 1; r <= nbr_ligne; ++r) {
        for (int c = 1; c <= nbr_colonne; ++c) {
            if (c <= 4) fenetres[n++] = bit(r, c) | bit(r, c + 1) | bit(r, c + 2) | bit(r, c + 3);
            if (r <= 3) fenetres[n++] = bit(r, c) | bit(r + 1, c) | bit(r + 2, c) | bit(r + 3, c);
            if (r >= 4 && c <= 4)
                fenetres[n++] = bit(r, c) | bit(r - 1, c + 1) | bit(r - 2, c + 2) | bit(r - 3, c + 3);
            if (r <= 3 && c <= 4)
                fenetres[n++] = bit(r, c) | bit(r + 1, c + 1) | bit(r + 2, c + 2) | bit(r + 3, c + 3);
        }
    }
    return fenetres;
}
constexpr std::array<type_bits, 69> fenetres = calculer_fenetres();

std::int32_t score_statique(const type_position& p) {
    std::int32_t score = 0;
    for (const type_bits fenetre : fenetres) {
        const int ordinateur = __builtin_popcountll(p.ordinateur & fenetre);
        const int utilisateur = __builtin_popcountll(p.utilisateur & fenetre);
        if (ordinateur == 0 || utilisateur == 0) score += poids_fonction(ordinateur) - poids_fonction(utilisateur);
    }
    return score;
}

// Outcome of each of the computer's columns. With `arret_au_gain` the scan
// stops at the first winning column, the columns to its right staying
// ILLEGALE.
type_resultats resultats_racine(const type_position& p, int profondeur, bool arret_au_gain) {
    type_resultats resultats;
    for (int colonne = 1; colonne <= nbr_colonne; ++colonne) {
        if (colonne_pleine(p, colonne)) continue;
        resultats(colonne) = issue(jouer(p, ORDINATEUR, colonne), ORDINATEUR, profondeur);
        if (arret_au_gain && resultats(colonne) == GAGNE_POUR_ORDINATEUR) break;
    }
    return resultats;
}

// The best column of a results row, open outcomes refined by the static
// score; 0 when every examined column loses.
int choisir_colonne(const type_position& p, const type_resultats& resultats) {
    int colonne = trouver_meilleur_coup(resultats, ORDINATEUR);
    if (colonne == 0 || resultats(colonne) != INCONNU) return colonne;
    const type_candidats candidats = trouver_tout_inconnus(resultats);
    std::int32_t meilleur_score = -1000;
    for (int k = 1; k <= candidats.nombre; ++k) {
        const int candidat = candidats.colonnes(k);
        const std::int32_t score = score_statique(jouer(p, ORDINATEUR, candidat));
        if (score > meilleur_score) {
            meilleur_score = score;
            colonne = candidat;
        }
    }
    return colonne;
}

int colonne_de_secours(const type_plateau& plateau) {
    for (int colonne = 1; colonne <= nbr_colonne; ++colonne) {
        if (plateau(1, colonne) == AUCUN) return colonne;
    }
    return 0;
}

void verifier_profondeur(int profondeur) {
    if (profondeur < 1) throw std::invalid_argument("profondeur de recherche inferieure a 1");
}

}  // namespace

int tour_ordinateur(const type_plateau& plateau, int profondeur) {
    try {
        verifier_profondeur(profondeur);
        const type_position p = vue(plateau);
        int colonne = choisir_colonne(p, resultats_racine(p, profondeur, true));
        // Every column loses within the depth: rather than drop into the
        // leftmost free column, look again two plies ahead, so that at least
        // the threat in front of the computer is blocked.
        if (colonne == 0) colonne = choisir_colonne(p, resultats_racine(p, 2, false));
        if (colonne != 0) return colonne;
    } catch (...) {
        // The caller gets a playable column whatever went wrong in the search.
    }
    return colonne_de_secours(plateau);
}

type_valeur evaluer_plateau(const type_plateau& plateau, type_joueur joueur, int profondeur) {
    verifier_profondeur(profondeur);
    return issue(vue(plateau), joueur, profondeur);
}

type_plateau creer_nouveau_plateau(const type_plateau& plateau, type_joueur joueur, int colonne) {
    type_plateau copie = plateau;
    placer_jeton(copie, colonne, joueur);
    return copie;
}

type_valeur trouver_meilleur_resultat(const type_resultats& resultats, type_joueur joueur) {
    type_valeur meilleur = depart(joueur);
    for (const type_valeur v : resultats) {
        if (meilleur_pour(joueur, v, meilleur)) meilleur = v;
    }
    return meilleur;
}

int trouver_meilleur_coup(const type_resultats& resultats, type_joueur joueur) {
    type_valeur meilleur = depart(joueur);
    int colonne = 0;
    for (int c = 1; c <= nbr_colonne; ++c) {
        if (meilleur_pour(joueur, resultats(c), meilleur)) {
            meilleur = resultats(c);
            colonne = c;
        }
    }
    return colonne;
}

type_candidats trouver_tout_inconnus(const type_resultats& resultats) {
    type_candidats candidats;
    for (int colonne = 1; colonne <= nbr_colonne; ++colonne) {
        if (resultats(colonne) == INCONNU) candidats.colonnes(++candidats.nombre) = colonne;
    }
    return candidats;
}

std::int32_t evaluer_plateau_inconnu(const type_plateau& plateau) { return score_statique(vue(plateau)); }

}  // namespace calculia
