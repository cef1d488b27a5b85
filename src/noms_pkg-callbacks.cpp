#include "noms_pkg-callbacks.hpp"

#include <string>

#include "fenetre_pkg.hpp"
#include "noms_pkg.hpp"

namespace noms_pkg::callbacks {

using fenetre_pkg::donnees_joueurs;

void on_ok_clicked(Gtk::Button& bouton) {
    auto* dialogue = dynamic_cast<noms_record*>(bouton.get_toplevel());
    if (dialogue == nullptr) return;
    const std::string saisis[] = {dialogue->saisie_joueur1.get_text(), dialogue->saisie_joueur2.get_text()};
    for (const int joueur : {1, 2}) {
        const std::string& saisi = saisis[joueur - 1];
        donnees_joueurs(joueur).nom = saisi.empty() ? "Joueur" + std::to_string(joueur) : saisi;
        fenetre_pkg::jeu->nom_du_joueur(joueur).set_text(donnees_joueurs(joueur).nom);
    }
    dialogue->hide();
    fenetre_pkg::interaction_joueurs("Premier a jouer", true);
}

void on_cancel_clicked(Gtk::Button& bouton) {
    if (Gtk::Widget* dialogue = bouton.get_toplevel()) dialogue->hide();
}

}  // namespace noms_pkg::callbacks
