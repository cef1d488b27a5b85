// Random user actions on the real window, with the game's invariants
// checked after each one. QUARLO4_ACTIONS sets how many (default 5000),
// QUARLO4_GRAINE the seed.
#include <gdk/gdkkeysyms.h>

#include <chrono>
#include <cstdlib>
#include <random>

#include "my_dialog.hpp"
#include "noms_pkg.hpp"
#include "outils.hpp"

using namespace fenetre_pkg;
using namespace outils;

namespace {

long variable(const char* nom, long defaut) {
    const char* valeur = std::getenv(nom);
    return valeur != nullptr && *valeur != '\0' ? std::strtol(valeur, nullptr, 10) : defaut;
}

bool sans_trou() {
    for (int j = 1; j <= nbr_colonne; ++j)
        for (int i = 1; i < nbr_ligne; ++i)
            if (plateau(i, j) != quarlo4::AUCUN && plateau(i + 1, j) == quarlo4::AUCUN) return false;
    return true;
}

class Endurance : public FenetreTest {
protected:
    std::mt19937 alea{static_cast<unsigned>(variable("QUARLO4_GRAINE", 2026))};

    int hasard(int n) { return std::uniform_int_distribution<int>(0, n - 1)(alea); }

    std::string nom_au_hasard() {
        static const char* const morceaux[] = {"Zoé", "李", "🙂", " ", "<b>&", "%s%n", "'", "\"", "Joueur", "x"};
        std::string nom;
        for (int k = hasard(5); k > 0; --k) nom += morceaux[hasard(10)];
        if (hasard(50) == 0) nom += std::string(1 + hasard(3000), 'y');
        return nom;
    }

    template <typename Fenetre>
    Fenetre* une_ouverte() {
        auto ouvertes = fenetres_visibles<Fenetre>();
        return ouvertes.empty() ? nullptr : ouvertes[hasard(static_cast<int>(ouvertes.size()))];
    }

    // Returns whether the action was "Nouvelle Partie".
    bool agir() {
        Gtk::RadioMenuItem* niveaux[8] = {&jeu->humain1, &jeu->facile1, &jeu->moyen1, &jeu->dur1,
                                          &jeu->humain2, &jeu->facile2, &jeu->moyen2, &jeu->dur2};
        const int action = hasard(100);
        if (action < 55) {
            cliquer(1 + hasard(nbr_colonne));
        } else if (action < 67) {
            niveaux[hasard(8)]->activate();
        } else if (action < 69) {
            hasard(2) ? jeu->nouveau.activate() : (void)accelerateur(GDK_F2);
            return true;
        } else if (action < 72) {
            hasard(2) ? jeu->aide.activate() : (void)accelerateur(GDK_F1);
        } else if (action < 73) {
            hasard(2) ? jeu->a_propos.activate() : (void)accelerateur(GDK_F12);
        } else if (action < 77) {
            switch (hasard(3)) {
                case 0: jeu->quitter.activate(); break;
                case 1: accelerateur(GDK_F4, Gdk::MOD1_MASK); break;
                default: fermer_par_le_cadre(*jeu);
            }
        } else if (action < 85) {
            if (auto* confirmation = une_ouverte<my_dialog::window_record>()) {
                hasard(2) ? confirmation->bouton_non.clicked() : fermer_par_le_cadre(*confirmation);
            }
        } else if (action < 90) {
            jeu->changer_noms.activate();
        } else if (auto* dialogue = une_ouverte<noms_pkg::noms_record>()) {
            dialogue->saisie_joueur1.set_text(nom_au_hasard());
            dialogue->saisie_joueur2.set_text(nom_au_hasard());
            switch (hasard(3)) {
                case 0: dialogue->bouton_ok.clicked(); break;
                case 1: dialogue->bouton_annuler.clicked(); break;
                default: fermer_par_le_cadre(*dialogue);
            }
        }
        traiter_evenements();
        return false;
    }
};

TEST_F(Endurance, ActionsAuHasardSansBriserLeJeu) {
    const long actions = variable("QUARLO4_ACTIONS", 5000);
    int scores[3] = {0, 0, 0};
    std::size_t boites_vues = 0;
    Repondeur repondeur;
    const auto debut = std::chrono::steady_clock::now();
    for (long k = 0; k < actions; ++k) {
        if (agir()) scores[1] = scores[2] = 0;
        for (; boites_vues < repondeur.boites().size(); ++boites_vues) {
            const std::string& texte = repondeur.boites()[boites_vues].texte;
            for (const int n : {1, 2}) {
                if (texte.rfind("Joueur " + std::to_string(n) + " alias '", 0) == 0) ++scores[n];
            }
        }
        ASSERT_TRUE(sans_trou()) << "action " << k;
        ASSERT_TRUE(images_conformes()) << "action " << k;
        ASSERT_TRUE(menus_conformes()) << "action " << k;
        ASSERT_FALSE(donnees_joueurs(1).genre == quarlo4::ORDINATEUR && donnees_joueurs(2).genre == quarlo4::ORDINATEUR);
        ASSERT_EQ(donnees_joueurs(joueur_courant).genre, quarlo4::UTILISATEUR) << "action " << k;
        for (const int n : {1, 2}) {
            ASSERT_EQ(donnees_joueurs(n).score, scores[n]) << "action " << k;
            const std::string affiche = jeu->score_du_joueur(n).get_text();
            ASSERT_TRUE(affiche == " " + std::to_string(scores[n]) || (affiche == "0" && scores[n] == 0))
                << "player " << n << " shows " << affiche << ", action " << k;
        }
        const auto dialogues = fenetres_visibles<noms_pkg::noms_record>();
        ASSERT_TRUE(noms == nullptr || std::find(dialogues.begin(), dialogues.end(), noms) != dialogues.end())
            << "noms refers to a closed dialog, action " << k;
    }
    const double secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    std::printf("%ld actions, %zu message boxes, %.1f s\n", actions, repondeur.boites().size(), secondes);
}

}  // namespace
