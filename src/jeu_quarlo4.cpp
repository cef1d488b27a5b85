#include <gtkmm/main.h>

#include <string>

#include "fenetre_pkg.hpp"
#include "noms_pkg.hpp"

int main(int argc, char* argv[]) {
    using namespace fenetre_pkg;
    return executer_sous_garde([&] {
        const std::string bienvenue =
            "Bienvenue sur le jeu Quarlo 4 :: Joueur1 => Pions Jaunes, Joueur2 => Pions Rouges";
        Gtk::Main kit(argc, argv);
        quarlo4::initialiser_plateau(plateau);
        jeu = gtk_new();
        jeu->show_all();
        interaction_joueurs(bienvenue, false);
        initialiser_joueurs(donnees_joueurs);
        noms = noms_pkg::gtk_new();
        noms->show_all();
        Gtk::Main::run();
    });
}
