#include "fenetre_pkg-callbacks.hpp"

#include <gtkmm/main.h>

#include <optional>

#include "calculia.hpp"
#include "fenetre_pkg.hpp"
#include "my_dialog.hpp"
#include "noms_pkg.hpp"

namespace fenetre_pkg::callbacks {

using namespace quarlo4;

namespace {

constexpr const char* nul_humain = "Match Nul, reinitialisation du plateau!";
constexpr const char* nul_ordinateur = "Match Nul, réinitialisation du plateau!";

int autre_joueur(int joueur) { return joueur == 1 ? 2 : 1; }

// A number as the game writes it: a blank before it unless it is negative.
std::string nombre(long n) { return n < 0 ? std::to_string(n) : " " + std::to_string(n); }

void afficher_scores() {
    for (const int joueur : {1, 2}) jeu->score_du_joueur(joueur).set_text(nombre(donnees_joueurs(joueur).score));
}

void vider_images() {
    for (int i = 1; i <= nbr_ligne; ++i)
        for (int j = 1; j <= nbr_colonne; ++j) jeu->image_case(i, j).set(pixmap("vide"));
}

// Shows the token just dropped by the player to move and passes the turn.
void montrer_jeton(int ligne, int colonne) {
    jeu->image_case(ligne, colonne).set(pixmap(joueur_courant == 1 ? "jaune" : "rouge"));
    joueur_courant = autre_joueur(joueur_courant);
}

// The turn has already passed: the player to move did not make the last one.
void fin_de_partie(bool gagne, const char* texte_nul) {
    if (gagne) {
        const int gagnant = autre_joueur(joueur_courant);
        afficher_info("Joueur " + std::to_string(gagnant) + " alias '" + donnees_joueurs(gagnant).nom + "' a gagné!");
        ++donnees_joueurs(gagnant).score;
    } else {
        afficher_info(texte_nul);
    }
    vider_plateau(plateau);
    vider_images();
    afficher_scores();
}

bool joue_par_ordinateur(int joueur) { return donnees_joueurs(joueur).genre == ORDINATEUR; }

// The search always plays for ORDINATEUR, player 1's side: player 2's
// computer must see the board with the two sides exchanged.
type_plateau vu_par(int joueur) {
    if (joueur == 1) return plateau;
    type_plateau echange = plateau;
    for (auto& ligne : echange.cellules) {
        for (auto& cellule : ligne) {
            if (cellule != AUCUN) cellule = autre_cote(cellule);
        }
    }
    return echange;
}

int colonne_libre_a_gauche() {
    for (int colonne = 1; colonne <= nbr_colonne; ++colonne) {
        if (plateau(1, colonne) == AUCUN) return colonne;
    }
    return 0;
}

}  // namespace

void on_button_clicked(Gtk::Button&, int colonne) { interaction_bouton(colonne); }

void interaction_bouton(int colonne) {
    const int ligne = placer_jeton(plateau, colonne, cote(joueur_courant));
    const bool gagne = verifier_gagnant(plateau, cote(joueur_courant));
    const bool nul = verifier_nul(plateau);
    if (ligne == 0) {
        afficher_erreur("Jouer dans une autre colonne, celle-ci est pleine!");
    } else {
        montrer_jeton(ligne, colonne);
    }
    interaction_joueurs("A toi", true);
    if (gagne || nul) fin_de_partie(gagne, nul_humain);
    if (joue_par_ordinateur(joueur_courant)) ordinateur();
}

void ordinateur() {
    int colonne = calculia::tour_ordinateur(vu_par(joueur_courant), profondeur(donnees_joueurs(joueur_courant).difficulte));
    // Never expected from the search; should it happen, play, do not crash.
    if (colonne < 1 || colonne > nbr_colonne || plateau(1, colonne) != AUCUN) colonne = colonne_libre_a_gauche();
    const int ligne = placer_jeton(plateau, colonne, cote(joueur_courant));
    interaction_joueurs("Calcul...", false);
    const bool gagne = verifier_gagnant(plateau, cote(joueur_courant));
    const bool nul = verifier_nul(plateau);
    montrer_jeton(ligne, colonne);
    interaction_joueurs("A toi", true);
    if (gagne || nul) fin_de_partie(gagne, nul_ordinateur);
}

void on_nouveau(Gtk::MenuItem&) {
    vider_plateau(plateau);
    vider_images();
    for (auto& joueur : donnees_joueurs) joueur.score = 0;
    joueur_courant = autre_joueur(joueur_courant);
    afficher_scores();
    interaction_joueurs("Premier a jouer :", true);
    if (joue_par_ordinateur(joueur_courant)) ordinateur();
}

namespace {

// One handler for the eight kind and level items; no level means a human.
void choisir_joueur(Gtk::RadioMenuItem& item, int joueur, std::optional<type_difficulte> niveau) {
    if (!item.get_active()) return;
    type_donnees_joueurs& donnees = donnees_joueurs(joueur);
    if (!niveau) {
        donnees = {UTILISATEUR, donnees.nom, donnees.score};
        jeu->image_du_joueur(joueur).set(fichier_image_joueur(joueur, UTILISATEUR));
        return;
    }
    if (joue_par_ordinateur(autre_joueur(joueur))) {
        item.deselect();
        interaction_joueurs("Mode Ordinateur contre Ordinateur impossible!", false);
        // Makes "Humain" the active item again, which runs its handler.
        jeu->humain_du_joueur(joueur).activate();
        return;
    }
    donnees = {ORDINATEUR, donnees.nom, donnees.score, *niveau};
    jeu->image_du_joueur(joueur).set(fichier_image_joueur(joueur, ORDINATEUR));
    if (joueur_courant == joueur) ordinateur();
}

}  // namespace

void on_humain1(Gtk::RadioMenuItem& item) { choisir_joueur(item, 1, std::nullopt); }
void on_facile1(Gtk::RadioMenuItem& item) { choisir_joueur(item, 1, FACILE); }
void on_moyen1(Gtk::RadioMenuItem& item) { choisir_joueur(item, 1, MOYEN); }
void on_dur1(Gtk::RadioMenuItem& item) { choisir_joueur(item, 1, DUR); }
void on_humain2(Gtk::RadioMenuItem& item) { choisir_joueur(item, 2, std::nullopt); }
void on_facile2(Gtk::RadioMenuItem& item) { choisir_joueur(item, 2, FACILE); }
void on_moyen2(Gtk::RadioMenuItem& item) { choisir_joueur(item, 2, MOYEN); }
void on_dur2(Gtk::RadioMenuItem& item) { choisir_joueur(item, 2, DUR); }

void on_noms(Gtk::MenuItem&) {
    noms = noms_pkg::gtk_new();
    noms->saisie_joueur1.set_text(donnees_joueurs(1).nom);
    noms->saisie_joueur2.set_text(donnees_joueurs(2).nom);
    noms->show_all();
}

void on_quitter(Gtk::MenuItem&) {
    my_dialog::window_access confirmation = my_dialog::gtk_new();
    confirmation->bouton_oui.signal_clicked().connect(
        sigc::bind(sigc::ptr_fun(&on_oui_clicked), sigc::ref(confirmation->bouton_oui)));
    confirmation->bouton_non.signal_clicked().connect(
        sigc::bind(sigc::ptr_fun(&on_non_clicked), sigc::ref(confirmation->bouton_non)));
    detruire_a_la_fermeture(*confirmation);
    confirmation->show_all();
}

void on_oui_clicked(Gtk::Button&) { Gtk::Main::quit(); }

void on_non_clicked(Gtk::Button& bouton) {
    if (Gtk::Widget* fenetre = bouton.get_toplevel()) fenetre->hide();
}

std::string texte_aide(type_joueur cote, const type_plateau& plateau) {
    const type_alignements n = nb(cote, plateau);
    const int note = note_situation(cote, plateau);
    const type_coups coups = coups_trouves(cote, plateau);

    std::string texte = "Nombre de coups avec 1 pion : " + nombre(n(1)) + "\n";
    for (int k = 2; k <= 4; ++k) texte += "Nombre de coups avec " + std::to_string(k) + " pions : " + nombre(n(k)) + "\n";
    texte += "\n";
    for (const type_coup& coup : coups) {
        texte += "Si vous jouez dans la colonne " + nombre(coup.colonne) +
                 "-> La situation resultante donnera l'evaluation: " +
                 (coup.note == note_colonne_pleine ? std::string("pleine") : nombre(coup.note)) + "\n";
    }
    // Sorted best first, equal notes by column: the first entry is the best,
    // the lowest column among equals, and column order when all are full.
    const int meilleure_colonne = coups(1).colonne;
    texte += "\nVotre note globale : " + nombre(note) + "\n";
    texte += "Meilleure colonne : " + nombre(meilleure_colonne);
    return texte;
}

void on_aide(Gtk::MenuItem&) { afficher_info(texte_aide(cote(joueur_courant), plateau)); }

std::string texte_a_propos() {
    return std::string("QUARLO 4 :: Interface graphique et IA cree par l'equipe Quarlo 4 (https://quarlo4.example)") +
           "\n" + "Mode console realise par l'equipe Quarlo 4, ses testeurs et ses relecteurs";
}

void on_about(Gtk::MenuItem&) { afficher_info(texte_a_propos()); }

}  // namespace fenetre_pkg::callbacks
