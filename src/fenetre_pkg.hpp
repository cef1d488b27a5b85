// The main window and the game state that every handler shares.
#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/frame.h>
#include <gtkmm/image.h>
#include <gtkmm/imagemenuitem.h>
#include <gtkmm/label.h>
#include <gtkmm/menu.h>
#include <gtkmm/menubar.h>
#include <gtkmm/radiomenuitem.h>
#include <gtkmm/statusbar.h>
#include <gtkmm/table.h>
#include <gtkmm/window.h>

#include <array>
#include <functional>
#include <string>

#include "quarlo4.hpp"

namespace noms_pkg {
class noms_record;
}

namespace fenetre_pkg {

using quarlo4::nbr_colonne;
using quarlo4::nbr_ligne;

enum type_difficulte { FACILE, MOYEN, DUR };

// Plies the computer looks ahead at a level.
constexpr int profondeur(type_difficulte difficulte) { return static_cast<int>(difficulte) + 2; }

struct type_donnees_joueurs {
    quarlo4::type_joueur genre = quarlo4::UTILISATEUR;  // UTILISATEUR: a human; ORDINATEUR: the computer
    std::string nom;
    int score = 0;
    type_difficulte difficulte = FACILE;  // read only when genre is ORDINATEUR
};

constexpr const char* pixmaps_dir = "../pixmaps/";

// A picture of pixmaps/: "vide", "jaune", "rouge", ...
std::string pixmap(const std::string& nom);

// The picture of a player's panel: his colour and his kind.
std::string fichier_image_joueur(int joueur, quarlo4::type_joueur genre);

// A plain label of the game's windows: the text as it stands (no markup, no
// mnemonic, no wrap), left-justified, aligned at (x, y).
void etiquette(Gtk::Label& label, const std::string& texte, float x, float y);

// The board side of player 1 or 2: player 1's tokens are ORDINATEUR cells.
constexpr quarlo4::type_joueur cote(int joueur) { return static_cast<quarlo4::type_joueur>(joueur); }

class fenetre_record : public Gtk::Window {
    // Radio items are born into their group, so the groups come first.
    Gtk::RadioMenuItem::Group groupe_joueur1, groupe_joueur2;

public:
    fenetre_record();

    Gtk::VBox boite_principale;
    Gtk::MenuBar barre_menus;
    Gtk::ImageMenuItem titre_fichier;
    Gtk::Image image_titre_fichier;
    Gtk::Menu menu_fichier;
    Gtk::ImageMenuItem nouveau;
    Gtk::Image image_nouveau;
    Gtk::MenuItem separateur1;
    Gtk::ImageMenuItem quitter;
    Gtk::Image image_quitter;
    Gtk::ImageMenuItem titre_options;
    Gtk::Image image_titre_options;
    Gtk::Menu menu_options;
    Gtk::MenuItem joueur1;
    Gtk::Menu menu_joueur1;
    Gtk::RadioMenuItem humain1;
    Gtk::MenuItem separateur2;
    Gtk::RadioMenuItem facile1;
    Gtk::RadioMenuItem moyen1;
    Gtk::RadioMenuItem dur1;
    Gtk::MenuItem joueur2;
    Gtk::Menu menu_joueur2;
    Gtk::RadioMenuItem humain2;
    Gtk::MenuItem separateur3;
    Gtk::RadioMenuItem facile2;
    Gtk::RadioMenuItem moyen2;
    Gtk::RadioMenuItem dur2;
    Gtk::MenuItem separateur4;
    Gtk::MenuItem changer_noms;
    Gtk::ImageMenuItem titre_aide;
    Gtk::Image image_titre_aide;
    Gtk::Menu menu_aide;
    Gtk::ImageMenuItem aide;
    Gtk::Image image_aide;
    Gtk::MenuItem separateur5;
    Gtk::ImageMenuItem a_propos;
    Gtk::Image image_a_propos;
    Gtk::HBox boite_jeu;
    Gtk::Table table_plateau;
    std::array<std::array<Gtk::Image, nbr_colonne>, nbr_ligne> cases;  // row 0 at the top
    std::array<Gtk::Button, nbr_colonne> boutons;
    Gtk::VBox boite_joueurs;
    Gtk::Frame cadre_joueur1;
    Gtk::VBox boite_joueur1;
    Gtk::Label nom_joueur1;
    Gtk::Image image_joueur1;
    Gtk::Label score_joueur1;
    Gtk::Label titre_joueur1;
    Gtk::Frame cadre_joueur2;
    Gtk::VBox boite_joueur2;
    Gtk::Label nom_joueur2;
    Gtk::Image image_joueur2;
    Gtk::Label score_joueur2;
    Gtk::Label titre_joueur2;
    Gtk::Statusbar barre_etat;

    void initialize();

    // The widgets of board cell (ligne, colonne) and of player 1 or 2.
    Gtk::Image& image_case(int ligne, int colonne) { return cases.at(ligne - 1).at(colonne - 1); }
    Gtk::Label& nom_du_joueur(int joueur) { return joueur == 1 ? nom_joueur1 : nom_joueur2; }
    Gtk::Image& image_du_joueur(int joueur) { return joueur == 1 ? image_joueur1 : image_joueur2; }
    Gtk::Label& score_du_joueur(int joueur) { return joueur == 1 ? score_joueur1 : score_joueur2; }
    Gtk::RadioMenuItem& humain_du_joueur(int joueur) { return joueur == 1 ? humain1 : humain2; }
};
using fenetre_access = fenetre_record*;

fenetre_access gtk_new();

extern quarlo4::type_plateau plateau;
extern quarlo4::tableau<type_donnees_joueurs, 2> donnees_joueurs;
extern int joueur_courant;
extern fenetre_access jeu;
extern noms_pkg::noms_record* noms;

void initialiser_joueurs(quarlo4::tableau<type_donnees_joueurs, 2>& joueurs);
void vider_plateau(quarlo4::type_plateau& plateau);
void afficher_erreur(const std::string& message);
void afficher_info(const std::string& message);
void interaction_joueurs(const std::string& message, bool afficher_nom);

// A window made with new is deleted once it has been hidden (answered, or
// closed from its frame), after the handler that hid it has returned.
void detruire_a_la_fermeture(Gtk::Window& fenetre);

// Runs the program; an exception escaping it or any signal handler is
// reported on standard output, ends the main loop, and gives status 1.
int executer_sous_garde(const std::function<void()>& programme);

}  // namespace fenetre_pkg
