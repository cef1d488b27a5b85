// libFuzzer target: any bytes make a board (gaps, wins and full columns
// included), a depth and a side; every rule and the computer player run on it
// and their answers are checked against what the headers promise.
//   bytes 0..41: the cells row by row, each byte % 3 an owner
//   byte 42: depth 1..4; byte 43: side; byte 44: a column 0..8 to drop into
// Missing bytes count as 0.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "calculia.hpp"
#include "quarlo4.hpp"

using namespace quarlo4;

namespace {

void exiger(bool condition, const char* message) {
    if (condition) return;
    std::fprintf(stderr, "propriété violée : %s\n", message);
    std::abort();
}

struct type_entree {
    type_plateau plateau;
    int profondeur;
    type_joueur cote;
    int colonne;
};

type_entree lire(const std::uint8_t* octets, std::size_t taille) {
    auto octet = [&](std::size_t k) { return k < taille ? octets[k] : std::uint8_t{0}; };
    type_entree e{};
    for (int k = 0; k < nbr_ligne * nbr_colonne; ++k) {
        e.plateau.cellules[k / nbr_colonne][k % nbr_colonne] = static_cast<type_joueur>(octet(k) % 3);
    }
    e.profondeur = 1 + octet(42) % 4;
    e.cote = static_cast<type_joueur>(octet(43) % 3);
    e.colonne = octet(44) % 9;
    return e;
}

bool colonne_libre(const type_plateau& plateau, int colonne) { return plateau(1, colonne) == AUCUN; }

int colonnes_libres(const type_plateau& plateau) {
    int n = 0;
    for (int c = 1; c <= nbr_colonne; ++c) n += colonne_libre(plateau, c);
    return n;
}

// Four in a line by the plain definition, to check verifier_gagnant.
bool quatre_alignes(const type_plateau& plateau, type_joueur cote) {
    const int directions[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    for (int i = 1; i <= nbr_ligne; ++i) {
        for (int j = 1; j <= nbr_colonne; ++j) {
            for (const auto& d : directions) {
                int k = 0;
                while (k < 4) {
                    const int l = i + k * d[0], c = j + k * d[1];
                    if (l < 1 || l > nbr_ligne || c < 1 || c > nbr_colonne || plateau(l, c) != cote) break;
                    ++k;
                }
                if (k == 4) return true;
            }
        }
    }
    return false;
}

// The drop lands in the highest empty cell below which the column is not
// empty (or on the bottom), changes that cell only, and refuses a full column.
void verifier_placer(const type_plateau& plateau, int colonne, type_joueur cote) {
    type_plateau copie = plateau;
    if (colonne < 1 || colonne > nbr_colonne) {
        bool refuse = false;
        try {
            placer_jeton(copie, colonne, cote);
        } catch (const std::out_of_range&) {
            refuse = true;
        }
        exiger(refuse && copie == plateau, "placer_jeton hors de 1..7 : out_of_range, plateau intact");
        return;
    }
    const int ligne = placer_jeton(copie, colonne, cote);
    if (!colonne_libre(plateau, colonne)) {
        exiger(ligne == 0 && copie == plateau, "placer_jeton sur colonne pleine : 0, plateau intact");
        return;
    }
    exiger(ligne >= 1 && ligne <= nbr_ligne, "placer_jeton : ligne dans 1..6");
    for (int l = 1; l <= ligne; ++l) exiger(plateau(l, colonne) == AUCUN, "placer_jeton : tout vide au-dessus");
    exiger(ligne == nbr_ligne || plateau(ligne + 1, colonne) != AUCUN, "placer_jeton : posé sur un jeton");
    type_plateau attendu = plateau;
    attendu(ligne, colonne) = cote;
    exiger(copie == attendu, "placer_jeton : seule la case d'arrivée change");
}

void verifier_coups(const type_plateau& plateau, type_joueur cote) {
    const type_coups coups = coups_trouves(cote, plateau);
    bool vue[nbr_colonne + 1] = {};
    for (int k = 1; k <= nbr_colonne; ++k) {
        const type_coup coup = coups(k);
        exiger(coup.colonne >= 1 && coup.colonne <= nbr_colonne && !vue[coup.colonne],
               "coups_trouves : une permutation de 1..7");
        vue[coup.colonne] = true;
        exiger((coup.note == note_colonne_pleine) == !colonne_libre(plateau, coup.colonne),
               "coups_trouves : INT32_MIN pour les colonnes pleines et elles seules");
        if (colonne_libre(plateau, coup.colonne)) {
            type_plateau apres = plateau;
            placer_jeton(apres, coup.colonne, cote);
            exiger(coup.note == evaluation(cote, apres), "coups_trouves : note = evaluation après le coup");
        }
        if (k > 1) {
            const type_coup avant = coups(k - 1);
            exiger(avant.note > coup.note || (avant.note == coup.note && avant.colonne < coup.colonne),
                   "coups_trouves : notes décroissantes, colonnes croissantes à égalité");
        }
    }
}

// The 69 windows of four, each scored for its owner when the other has none.
std::int32_t score_attendu(const type_plateau& plateau) {
    const int directions[4][2] = {{0, 1}, {1, 0}, {1, 1}, {-1, 1}};
    std::int32_t score = 0;
    int fenetres = 0;
    for (int i = 1; i <= nbr_ligne; ++i) {
        for (int j = 1; j <= nbr_colonne; ++j) {
            for (const auto& d : directions) {
                const int fin_l = i + 3 * d[0], fin_c = j + 3 * d[1];
                if (fin_l < 1 || fin_l > nbr_ligne || fin_c > nbr_colonne) continue;
                ++fenetres;
                int o = 0, u = 0;
                for (int k = 0; k < 4; ++k) {
                    const type_joueur cellule = plateau(i + k * d[0], j + k * d[1]);
                    o += cellule == ORDINATEUR;
                    u += cellule == UTILISATEUR;
                }
                if (o == 0 || u == 0) score += calculia::poids_fonction(o) - calculia::poids_fonction(u);
            }
        }
    }
    exiger(fenetres == 69, "69 fenêtres de quatre");
    return score;
}

void verifier_ordinateur(const type_plateau& plateau, int profondeur) {
    const int colonne = calculia::tour_ordinateur(plateau, profondeur);
    if (colonnes_libres(plateau) == 0) {
        exiger(colonne == 0, "tour_ordinateur : 0 sur un plateau plein");
    } else {
        exiger(colonne >= 1 && colonne <= nbr_colonne && colonne_libre(plateau, colonne),
               "tour_ordinateur : une colonne non pleine");
    }
}

void verifier_evaluer(const type_plateau& plateau, type_joueur cote, int profondeur) {
    const calculia::type_valeur v = calculia::evaluer_plateau(plateau, cote, profondeur);
    exiger(v >= calculia::GAGNE_POUR_UTILISATEUR && v <= calculia::GAGNE_POUR_ORDINATEUR,
           "evaluer_plateau : une issue, jamais ILLEGALE");
    // The lines already on the board decide, ORDINATEUR's first; then a full board.
    if (quatre_alignes(plateau, ORDINATEUR)) {
        exiger(v == calculia::GAGNE_POUR_ORDINATEUR, "evaluer_plateau : ligne de ORDINATEUR");
    } else if (quatre_alignes(plateau, UTILISATEUR)) {
        exiger(v == calculia::GAGNE_POUR_UTILISATEUR, "evaluer_plateau : ligne de UTILISATEUR");
    } else if (colonnes_libres(plateau) == 0) {
        exiger(v == calculia::NUL_POUR_UTILISATEUR || v == calculia::NUL_POUR_ORDINATEUR,
               "evaluer_plateau : plateau plein sans ligne, nul");
    } else if (profondeur == 1) {
        exiger(v == calculia::INCONNU, "evaluer_plateau : profondeur 1, position ouverte");
    }
    bool refuse = false;
    try {
        calculia::evaluer_plateau(plateau, cote, 0);
    } catch (const std::invalid_argument&) {
        refuse = true;
    }
    exiger(refuse, "evaluer_plateau : profondeur 0 refusée");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    const type_entree e = lire(octets, taille);
    const type_plateau original = e.plateau;
    const type_plateau& plateau = e.plateau;

    verifier_placer(plateau, e.colonne, e.cote);
    verifier_placer(plateau, 1 + e.colonne % nbr_colonne, e.cote);

    exiger(verifier_gagnant(plateau, e.cote) == quatre_alignes(plateau, e.cote),
           "verifier_gagnant : quatre alignés du côté demandé");
    exiger(verifier_nul(plateau) == (colonnes_libres(plateau) == 0), "verifier_nul : ligne du haut pleine");

    const type_alignements n = nb(e.cote, plateau);
    for (const int k : n) exiger(k >= 0, "nb : des comptes positifs");
    exiger(note_situation(e.cote, plateau) == n(1) + 2 * n(2) + 4 * n(3) + 500 * n(4), "note_situation");
    exiger(evaluation(e.cote, plateau) ==
               note_situation(e.cote, plateau) - note_situation(autre_cote(e.cote), plateau),
           "evaluation : sa note moins celle de l'autre");

    verifier_coups(plateau, e.cote);
    verifier_evaluer(plateau, e.cote, e.profondeur);
    exiger(calculia::evaluer_plateau_inconnu(plateau) == score_attendu(plateau), "evaluer_plateau_inconnu");
    verifier_ordinateur(plateau, e.profondeur);
    // Any failure inside, a bad depth included, still gives a playable column.
    verifier_ordinateur(plateau, 0);

    exiger(plateau == original, "le plateau donné n'a pas changé");
    return 0;
}
