// The real start-up under the program's failure guard, made to fail:
//   echec demarrage   an exception before the main loop
//   echec gestionnaire  an exception escaping a signal handler
#include <gtkmm/main.h>

#include <stdexcept>
#include <string>

#include "fenetre_pkg-callbacks.hpp"
#include "fenetre_pkg.hpp"

int main(int argc, char* argv[]) {
    const std::string cas = argc > 1 ? argv[1] : "";
    return fenetre_pkg::executer_sous_garde([&] {
        Gtk::Main kit(argc, argv);
        fenetre_pkg::jeu = fenetre_pkg::gtk_new();
        fenetre_pkg::jeu->show_all();
        fenetre_pkg::initialiser_joueurs(fenetre_pkg::donnees_joueurs);
        if (cas == "demarrage") throw std::runtime_error("panne au demarrage");
        // Column 0 is refused by the rules with a range error.
        Glib::signal_idle().connect_once([] { fenetre_pkg::callbacks::interaction_bouton(0); });
        Gtk::Main::run();
    });
}
