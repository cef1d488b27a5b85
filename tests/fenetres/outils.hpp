// Driving the real main window in-process, as a user would, and reading back
// what it shows.
#pragma once

#include <glibmm/main.h>
#include <gtest/gtest.h>
#include <gtkmm/window.h>

#include <functional>
#include <string>
#include <vector>

#include "fenetre_pkg.hpp"

namespace outils {

inline const std::string bienvenue =
    "Bienvenue sur le jeu Quarlo 4 :: Joueur1 => Pions Jaunes, Joueur2 => Pions Rouges";

// Answers every message box with OK from inside its own loop, recording its
// title and text. `pendant`, if set, runs while the box is still open.
class Repondeur {
public:
    struct Boite {
        std::string titre;
        std::string texte;
    };

    explicit Repondeur(std::function<void(const Boite&)> pendant = {});
    ~Repondeur();
    Repondeur(const Repondeur&) = delete;
    Repondeur& operator=(const Repondeur&) = delete;

    const std::vector<Boite>& boites() const { return boites_; }
    std::vector<std::string> textes() const;

private:
    bool repondre();

    std::function<void(const Boite&)> pendant_;
    std::vector<Boite> boites_;
    sigc::connection minuterie_;
};

void traiter_evenements();

// The start-up sequence, without the main loop and the names dialog.
class FenetreTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

void cliquer(int colonne);
std::string barre_etat();
// The picture file a cell shows, "vide", "jaune" or "rouge"; "?" when GTK
// could not load it.
std::string image_case(int ligne, int colonne);
std::string image_joueur(int joueur);
// Every cell picture matches the board.
::testing::AssertionResult images_conformes();
// Each player's radio group shows his kind and level, and his picture too.
::testing::AssertionResult menus_conformes();
int jetons();
void poser(const std::vector<const char*>& lignes);  // board and pictures

// Toplevel windows of a type that are shown.
template <typename Fenetre>
std::vector<Fenetre*> fenetres_visibles() {
    std::vector<Fenetre*> trouvees;
    for (Gtk::Window* fenetre : Gtk::Window::list_toplevels()) {
        auto* f = dynamic_cast<Fenetre*>(fenetre);
        if (f != nullptr && f->get_visible()) trouvees.push_back(f);
    }
    return trouvees;
}
// The program's windows still alive, shown or hidden (GTK keeps windows of
// its own, such as the tooltips').
std::size_t nombre_fenetres();

// Sends the window manager's close request, as the frame's close button does.
void fermer_par_le_cadre(Gtk::Window& fenetre);

bool accelerateur(guint touche, Gdk::ModifierType modificateurs = Gdk::ModifierType(0));

}  // namespace outils
