#include "outils.hpp"

#include <gtkmm/accelgroup.h>
#include <gtkmm/main.h>
#include <gtkmm/messagedialog.h>

#include "my_dialog.hpp"
#include "noms_pkg.hpp"
#include "reference.hpp"

namespace outils {

using namespace fenetre_pkg;

Repondeur::Repondeur(std::function<void(const Boite&)> pendant) : pendant_(std::move(pendant)) {
    minuterie_ = Glib::signal_timeout().connect(sigc::mem_fun(*this, &Repondeur::repondre), 1);
}

Repondeur::~Repondeur() { minuterie_.disconnect(); }

bool Repondeur::repondre() {
    for (auto* boite : fenetres_visibles<Gtk::MessageDialog>()) {
        boites_.push_back({boite->get_title(), boite->property_text().get_value()});
        if (pendant_) pendant_(boites_.back());
        boite->response(Gtk::RESPONSE_OK);
    }
    return true;
}

std::vector<std::string> Repondeur::textes() const {
    std::vector<std::string> t;
    for (const Boite& b : boites_) t.push_back(b.texte);
    return t;
}

void traiter_evenements() {
    while (Gtk::Main::events_pending()) Gtk::Main::iteration();
}

void FenetreTest::SetUp() {
    plateau = quarlo4::type_plateau{};
    donnees_joueurs = {};
    joueur_courant = 0;
    jeu = gtk_new();
    jeu->show_all();
    interaction_joueurs(bienvenue, false);
    initialiser_joueurs(donnees_joueurs);
    traiter_evenements();
}

void FenetreTest::TearDown() {
    for (Gtk::Window* fenetre : Gtk::Window::list_toplevels()) {
        if (fenetre != jeu && fenetre->get_visible()) fenetre->hide();
    }
    traiter_evenements();
    delete jeu;
    jeu = nullptr;
    traiter_evenements();
    EXPECT_EQ(nombre_fenetres(), 0u) << "a window outlived its test";
    EXPECT_EQ(noms, nullptr);
}

void cliquer(int colonne) {
    jeu->boutons.at(colonne - 1).clicked();
    traiter_evenements();
}

std::string barre_etat() {
    auto* zone = dynamic_cast<Gtk::Container*>(jeu->barre_etat.get_message_area());
    for (Gtk::Widget* enfant : zone->get_children()) {
        if (auto* label = dynamic_cast<Gtk::Label*>(enfant)) return label->get_text();
    }
    return "";
}

namespace {

std::string nom_image(const Gtk::Image& image) {
    if (image.get_storage_type() != Gtk::IMAGE_PIXBUF && image.get_storage_type() != Gtk::IMAGE_ANIMATION) return "?";
    std::string fichier = image.property_file().get_value();
    const std::string prefixe = pixmaps_dir;
    if (fichier.compare(0, prefixe.size(), prefixe) != 0) return "?" + fichier;
    return fichier.substr(prefixe.size(), fichier.size() - prefixe.size() - 4);
}

}  // namespace

std::string image_case(int ligne, int colonne) { return nom_image(jeu->image_case(ligne, colonne)); }

std::string image_joueur(int joueur) { return nom_image(jeu->image_du_joueur(joueur)); }

::testing::AssertionResult images_conformes() {
    for (int i = 1; i <= nbr_ligne; ++i) {
        for (int j = 1; j <= nbr_colonne; ++j) {
            const quarlo4::type_joueur c = plateau(i, j);
            const std::string attendu = c == quarlo4::AUCUN ? "vide" : c == quarlo4::ORDINATEUR ? "jaune" : "rouge";
            if (image_case(i, j) != attendu) {
                return ::testing::AssertionFailure()
                       << "cell (" << i << ", " << j << ") shows " << image_case(i, j) << ", not " << attendu;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult menus_conformes() {
    for (const int n : {1, 2}) {
        Gtk::RadioMenuItem* items[2][4] = {{&jeu->humain1, &jeu->facile1, &jeu->moyen1, &jeu->dur1},
                                           {&jeu->humain2, &jeu->facile2, &jeu->moyen2, &jeu->dur2}};
        const type_donnees_joueurs& d = donnees_joueurs(n);
        const int attendu = d.genre == quarlo4::UTILISATEUR ? 0 : 1 + d.difficulte;
        for (int j = 0; j < 4; ++j) {
            if (items[n - 1][j]->get_active() != (j == attendu)) {
                return ::testing::AssertionFailure() << "player " << n << ": item " << j << " is wrongly "
                                                     << (j == attendu ? "inactive" : "active");
            }
        }
        const std::string image = std::string(d.genre == quarlo4::ORDINATEUR ? "ordi-" : "humain-") +
                                  (n == 1 ? "jaune" : "rouge");
        if (image_joueur(n) != image) {
            return ::testing::AssertionFailure() << "player " << n << " shows " << image_joueur(n);
        }
    }
    return ::testing::AssertionSuccess();
}

int jetons() {
    int n = 0;
    for (int i = 1; i <= nbr_ligne; ++i)
        for (int j = 1; j <= nbr_colonne; ++j) n += plateau(i, j) != quarlo4::AUCUN;
    return n;
}

void poser(const std::vector<const char*>& lignes) {
    plateau = reference::plateau_de(lignes);
    for (int i = 1; i <= nbr_ligne; ++i) {
        for (int j = 1; j <= nbr_colonne; ++j) {
            const quarlo4::type_joueur c = plateau(i, j);
            jeu->image_case(i, j).set(pixmap(c == quarlo4::AUCUN ? "vide" : c == quarlo4::ORDINATEUR ? "jaune" : "rouge"));
        }
    }
}

std::size_t nombre_fenetres() {
    std::size_t n = 0;
    for (Gtk::Window* f : Gtk::Window::list_toplevels()) {
        n += dynamic_cast<fenetre_record*>(f) || dynamic_cast<noms_pkg::noms_record*>(f) ||
             dynamic_cast<my_dialog::window_record*>(f) || dynamic_cast<Gtk::MessageDialog*>(f);
    }
    return n;
}

void fermer_par_le_cadre(Gtk::Window& fenetre) {
    GdkEvent* evenement = gdk_event_new(GDK_DELETE);
    evenement->any.window = GDK_WINDOW(g_object_ref(fenetre.get_window()->gobj()));
    evenement->any.send_event = TRUE;
    gtk_main_do_event(evenement);
    gdk_event_free(evenement);
    traiter_evenements();
}

bool accelerateur(guint touche, Gdk::ModifierType modificateurs) {
    const bool fait = Gtk::AccelGroup::activate(*jeu, touche, modificateurs);
    traiter_evenements();
    return fait;
}

}  // namespace outils
