#include "reference.hpp"

#include <stdexcept>

namespace reference {

using namespace quarlo4;
using namespace calculia;

type_plateau plateau_de(const std::vector<const char*>& lignes) {
    if (lignes.size() != nbr_ligne) throw std::invalid_argument("six lignes attendues");
    type_plateau plateau;
    for (int i = 1; i <= nbr_ligne; ++i) {
        for (int j = 1; j <= nbr_colonne; ++j) {
            const char c = lignes[i - 1][j - 1];
            plateau(i, j) = c == 'X' ? ORDINATEUR : c == 'O' ? UTILISATEUR : AUCUN;
        }
    }
    return plateau;
}

std::vector<type_plateau> positions_de_jeu(unsigned graine, int nombre, int min_coups, int max_coups) {
    std::mt19937 alea(graine);
    std::vector<type_plateau> positions;
    while (static_cast<int>(positions.size()) < nombre) {
        const int coups = std::uniform_int_distribution<int>(min_coups, max_coups)(alea);
        type_plateau plateau;
        type_joueur cote = ORDINATEUR;
        bool fini = false;
        for (int k = 0; k < coups && !fini; ++k) {
            int colonne;
            do {
                colonne = std::uniform_int_distribution<int>(1, nbr_colonne)(alea);
            } while (plateau(1, colonne) != AUCUN);
            placer_jeton(plateau, colonne, cote);
            fini = verifier_gagnant(plateau, cote) || verifier_nul(plateau);
            cote = autre_cote(cote);
        }
        if (!fini) positions.push_back(plateau);
    }
    return positions;
}

type_plateau plateau_quelconque(std::mt19937& alea) {
    type_plateau plateau;
    const int remplissage = std::uniform_int_distribution<int>(0, 100)(alea);
    for (auto& ligne : plateau.cellules) {
        for (auto& cellule : ligne) {
            if (std::uniform_int_distribution<int>(0, 99)(alea) < remplissage) {
                cellule = std::uniform_int_distribution<int>(0, 1)(alea) ? ORDINATEUR : UTILISATEUR;
            }
        }
    }
    return plateau;
}

type_valeur evaluer_plateau(const type_plateau& plateau, type_joueur joueur, int profondeur) {
    if (verifier_gagnant(plateau, ORDINATEUR)) return GAGNE_POUR_ORDINATEUR;
    if (verifier_gagnant(plateau, UTILISATEUR)) return GAGNE_POUR_UTILISATEUR;
    if (verifier_nul(plateau)) return joueur == UTILISATEUR ? NUL_POUR_UTILISATEUR : NUL_POUR_ORDINATEUR;
    if (profondeur == 1) return INCONNU;
    const type_joueur adversaire = joueur == ORDINATEUR ? UTILISATEUR : ORDINATEUR;
    const type_valeur gain = adversaire == ORDINATEUR ? GAGNE_POUR_ORDINATEUR : GAGNE_POUR_UTILISATEUR;
    type_resultats rangee;
    for (int c = 1; c <= nbr_colonne; ++c) {
        if (plateau(1, c) != AUCUN) continue;
        rangee(c) = evaluer_plateau(creer_nouveau_plateau(plateau, adversaire, c), adversaire, profondeur - 1);
        if (rangee(c) == gain) break;
    }
    return trouver_meilleur_resultat(rangee, adversaire);
}

std::int32_t evaluer_plateau_inconnu(const type_plateau& plateau) {
    std::int32_t score = 0;
    const auto fenetre = [&](int r, int c, int dr, int dc) {
        int x = 0, o = 0;
        for (int k = 0; k < 4; ++k) {
            x += plateau(r + k * dr, c + k * dc) == ORDINATEUR;
            o += plateau(r + k * dr, c + k * dc) == UTILISATEUR;
        }
        if (x == 0 || o == 0) score += poids_fonction(x) - poids_fonction(o);
    };
    for (int r = 1; r <= nbr_ligne; ++r) {
        for (int c = 1; c <= nbr_colonne; ++c) {
            if (c <= 4) fenetre(r, c, 0, 1);
            if (r <= 3) fenetre(r, c, 1, 0);
            if (r >= 4 && c <= 4) fenetre(r, c, -1, 1);
            if (r <= 3 && c <= 4) fenetre(r, c, 1, 1);
        }
    }
    return score;
}

namespace {

int choisir(const type_plateau& plateau, const type_resultats& rangee) {
    int colonne = trouver_meilleur_coup(rangee, ORDINATEUR);
    if (colonne == 0 || rangee(colonne) != INCONNU) return colonne;
    const type_candidats candidats = trouver_tout_inconnus(rangee);
    std::int32_t meilleur = -1000;
    for (int k = 1; k <= candidats.nombre; ++k) {
        const std::int32_t score =
            evaluer_plateau_inconnu(creer_nouveau_plateau(plateau, ORDINATEUR, candidats.colonnes(k)));
        if (score > meilleur) {
            meilleur = score;
            colonne = candidats.colonnes(k);
        }
    }
    return colonne;
}

}  // namespace

int tour_ordinateur(const type_plateau& plateau, int profondeur) {
    int secours = 0;
    for (int c = nbr_colonne; c >= 1; --c) {
        if (plateau(1, c) == AUCUN) secours = c;
    }
    type_resultats rangee;
    for (int c = 1; c <= nbr_colonne; ++c) {
        if (plateau(1, c) != AUCUN) continue;
        rangee(c) = evaluer_plateau(creer_nouveau_plateau(plateau, ORDINATEUR, c), ORDINATEUR, profondeur);
        if (rangee(c) == GAGNE_POUR_ORDINATEUR) break;
    }
    int colonne = choisir(plateau, rangee);
    if (colonne == 0) {
        type_resultats seconde;
        for (int c = 1; c <= nbr_colonne; ++c) {
            if (plateau(1, c) != AUCUN) continue;
            seconde(c) = evaluer_plateau(creer_nouveau_plateau(plateau, ORDINATEUR, c), ORDINATEUR, 2);
        }
        colonne = choisir(plateau, seconde);
    }
    return colonne != 0 ? colonne : secours;
}

}  // namespace reference
