#include "fenetre_pkg.hpp"

#include <cxxabi.h>
#include <gdk/gdkkeysyms.h>
#include <glibmm/exceptionhandler.h>
#include <glibmm/main.h>
#include <gtkmm/main.h>
#include <gtkmm/messagedialog.h>
#include <gtkmm/stock.h>

#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <typeinfo>

#include "fenetre_pkg-callbacks.hpp"
#include "quarlo4_intl.hpp"

namespace fenetre_pkg {

using quarlo4_intl::_;

quarlo4::type_plateau plateau;
quarlo4::tableau<type_donnees_joueurs, 2> donnees_joueurs;
int joueur_courant = 0;
fenetre_access jeu = nullptr;
noms_pkg::noms_record* noms = nullptr;

std::string pixmap(const std::string& nom) { return pixmaps_dir + nom + ".png"; }

std::string fichier_image_joueur(int joueur, quarlo4::type_joueur genre) {
    return pixmap(std::string(genre == quarlo4::ORDINATEUR ? "ordi-" : "humain-") + (joueur == 1 ? "jaune" : "rouge"));
}

void etiquette(Gtk::Label& label, const std::string& texte, float x, float y) {
    label.set_text(texte);
    label.set_alignment(x, y);
    label.set_justify(Gtk::JUSTIFY_LEFT);
    label.set_line_wrap(false);
    label.set_selectable(false);
    label.set_use_markup(false);
    label.set_use_underline(false);
}

fenetre_record::fenetre_record()
    : humain1(groupe_joueur1),
      facile1(groupe_joueur1),
      moyen1(groupe_joueur1),
      dur1(groupe_joueur1),
      humain2(groupe_joueur2),
      facile2(groupe_joueur2),
      moyen2(groupe_joueur2),
      dur2(groupe_joueur2),
      table_plateau(nbr_ligne, nbr_colonne + 1, true) {}

namespace {

void element_image(Gtk::ImageMenuItem& item, Gtk::Image& image, const Gtk::StockID& stock, const char* texte) {
    image.set(stock, Gtk::ICON_SIZE_MENU);
    image.set_alignment(0.5, 0.5);
    image.set_padding(0, 0);
    item.set_label(_(texte));
    item.set_image(image);
}

void titre_menu(Gtk::MenuBar& barre, Gtk::ImageMenuItem& item, Gtk::Image& image, const Gtk::StockID& stock,
                const char* texte, Gtk::Menu& sous_menu) {
    element_image(item, image, stock, texte);
    item.set_submenu(sous_menu);
    barre.append(item);
}

void element_image(Gtk::Menu& menu, Gtk::ImageMenuItem& item, Gtk::Image& image, const Gtk::StockID& stock,
                   const char* texte) {
    element_image(item, image, stock, texte);
    menu.append(item);
}

void accelerateur(Gtk::MenuItem& item, const Glib::RefPtr<Gtk::AccelGroup>& groupe, guint touche,
                  Gdk::ModifierType modificateurs = Gdk::ModifierType(0)) {
    item.add_accelerator("activate", groupe, touche, modificateurs, Gtk::ACCEL_VISIBLE);
}

// Connects "activate" to a handler that receives the item.
template <typename Element, typename Parametre>
void relier(Element& item, void (*gestionnaire)(Parametre&)) {
    item.signal_activate().connect(sigc::bind(sigc::ptr_fun(gestionnaire), sigc::ref(static_cast<Parametre&>(item))));
}

void radio(Gtk::Menu& menu, Gtk::RadioMenuItem& item, const char* texte, bool actif) {
    item.set_label(_(texte));
    item.set_active(actif);
    menu.append(item);
}

struct type_panneau {
    Gtk::Frame& cadre;
    Gtk::VBox& boite;
    Gtk::Label& nom;
    Gtk::Image& image;
    Gtk::Label& score;
    Gtk::Label& titre;
};

// Player 1's title is centred and his name sits low; player 2's title is at
// the left and his name centred.
void panneau(const type_panneau& p, int joueur, const char* texte_titre, float alignement_titre, float y_nom) {
    auto& [cadre, boite, nom, image, score, titre] = p;
    cadre.set_border_width(5);
    cadre.set_shadow_type(Gtk::SHADOW_ETCHED_OUT);
    cadre.set_label_align(alignement_titre, alignement_titre);
    etiquette(nom, "", 0.5, y_nom);
    // A long name is shortened on screen, so that it cannot stretch the window
    // beyond the screen; the label keeps it whole.
    nom.set_ellipsize(Pango::ELLIPSIZE_END);
    nom.set_max_width_chars(24);
    boite.pack_start(nom, Gtk::PACK_SHRINK);
    image.set(fichier_image_joueur(joueur, quarlo4::UTILISATEUR));
    image.set_alignment(0.5, 0.5);
    boite.pack_start(image, Gtk::PACK_EXPAND_WIDGET);
    etiquette(score, "0", 0.5, 0.5);
    boite.pack_start(score, Gtk::PACK_SHRINK);
    cadre.add(boite);
    etiquette(titre, _(texte_titre), 0.5, 0.5);
    cadre.set_label_widget(titre);
}

}  // namespace

void fenetre_record::initialize() {
    namespace cb = callbacks;

    set_title(_("Quarlo 4"));
    set_position(Gtk::WIN_POS_CENTER);
    set_modal(false);
    set_resizable(true);
    set_default_size(320, 240);
    // Closing the window from its frame asks, as "Quitter" does.
    signal_delete_event().connect([this](GdkEventAny*) {
        cb::on_quitter(quitter);
        return true;
    });

    boite_principale.set_homogeneous(false);
    boite_principale.set_spacing(0);
    boite_principale.show();

    const auto raccourcis = Gtk::AccelGroup::create();
    add_accel_group(raccourcis);

    titre_menu(barre_menus, titre_fichier, image_titre_fichier, Gtk::Stock::HOME, "Fichier", menu_fichier);
    element_image(menu_fichier, nouveau, image_nouveau, Gtk::Stock::NEW, "Nouvelle Partie");
    accelerateur(nouveau, raccourcis, GDK_F2);
    relier(nouveau, &cb::on_nouveau);
    menu_fichier.append(separateur1);
    element_image(menu_fichier, quitter, image_quitter, Gtk::Stock::QUIT, "Quitter");
    accelerateur(quitter, raccourcis, GDK_F4, Gdk::MOD1_MASK);
    relier(quitter, &cb::on_quitter);

    titre_menu(barre_menus, titre_options, image_titre_options, Gtk::Stock::PREFERENCES, "Options", menu_options);
    joueur1.set_label(_("Joueur 1"));
    joueur1.set_use_underline(true);
    joueur1.set_submenu(menu_joueur1);
    menu_options.append(joueur1);
    // Setting a radio item's state emits "activate": connect only afterwards.
    radio(menu_joueur1, humain1, "Humain", true);
    menu_joueur1.append(separateur2);
    radio(menu_joueur1, facile1, "Facile", false);
    radio(menu_joueur1, moyen1, "Moyen", false);
    radio(menu_joueur1, dur1, "Dur", false);
    relier(humain1, &cb::on_humain1);
    relier(facile1, &cb::on_facile1);
    relier(moyen1, &cb::on_moyen1);
    relier(dur1, &cb::on_dur1);
    joueur2.set_label(_("Joueur 2"));
    joueur2.set_use_underline(true);
    joueur2.set_submenu(menu_joueur2);
    menu_options.append(joueur2);
    radio(menu_joueur2, humain2, "Humain", true);
    menu_joueur2.append(separateur3);
    radio(menu_joueur2, facile2, "Facile", false);
    radio(menu_joueur2, moyen2, "Moyen", false);
    radio(menu_joueur2, dur2, "Dur", false);
    relier(humain2, &cb::on_humain2);
    relier(facile2, &cb::on_facile2);
    relier(moyen2, &cb::on_moyen2);
    relier(dur2, &cb::on_dur2);
    menu_options.append(separateur4);
    changer_noms.set_label(_("Changer Les Noms"));
    changer_noms.set_use_underline(true);
    menu_options.append(changer_noms);
    relier(changer_noms, &cb::on_noms);

    titre_menu(barre_menus, titre_aide, image_titre_aide, Gtk::Stock::HELP, "Aide", menu_aide);
    element_image(menu_aide, aide, image_aide, Gtk::Stock::HELP, "Aide");
    accelerateur(aide, raccourcis, GDK_F1);
    relier(aide, &cb::on_aide);
    menu_aide.append(separateur5);
    element_image(menu_aide, a_propos, image_a_propos, Gtk::Stock::DIALOG_QUESTION, "A Propos");
    accelerateur(a_propos, raccourcis, GDK_F12);
    relier(a_propos, &cb::on_about);
    boite_principale.pack_start(barre_menus, Gtk::PACK_SHRINK);

    boite_jeu.set_homogeneous(false);
    boite_jeu.set_spacing(0);
    boite_jeu.set_border_width(10);
    table_plateau.show();
    for (int i = 0; i < nbr_ligne; ++i) {
        for (int j = 0; j < nbr_colonne; ++j) {
            Gtk::Image& image = cases[i][j];
            image.set(pixmap("vide"));
            image.show();
            image.set_alignment(0.5, 0.5);
            image.set_padding(0, 0);
            table_plateau.attach(image, j, j + 1, i, i + 1);
        }
    }
    for (int j = 0; j < nbr_colonne; ++j) {
        Gtk::Button& bouton = boutons[j];
        bouton.set_label(" " + std::to_string(j + 1));
        bouton.set_relief(Gtk::RELIEF_NORMAL);
        table_plateau.attach(bouton, j, j + 1, nbr_ligne, nbr_ligne + 1, Gtk::FILL, Gtk::AttachOptions(0));
        bouton.signal_clicked().connect(
            sigc::bind(sigc::ptr_fun(&cb::on_button_clicked), sigc::ref(bouton), j + 1));
    }
    boite_jeu.pack_start(table_plateau, Gtk::PACK_EXPAND_WIDGET);
    table_plateau.set_row_spacings(0);
    table_plateau.set_col_spacings(0);

    boite_joueurs.set_homogeneous(false);
    boite_joueurs.set_spacing(0);
    // GTK 2 gives a frame title a little less room than it asks for: widen
    // the panels so that "Joueur 2 (Pions Rouges)" is not clipped.
    boite_joueurs.set_size_request(200, -1);
    panneau({cadre_joueur1, boite_joueur1, nom_joueur1, image_joueur1, score_joueur1, titre_joueur1}, 1,
            "Joueur 1 (Pions Jaunes)", 0.5, 1.0);
    boite_joueurs.pack_start(cadre_joueur1, Gtk::PACK_EXPAND_WIDGET);
    panneau({cadre_joueur2, boite_joueur2, nom_joueur2, image_joueur2, score_joueur2, titre_joueur2}, 2,
            "Joueur 2 (Pions Rouges)", 0.0, 0.5);
    boite_joueurs.pack_start(cadre_joueur2, Gtk::PACK_EXPAND_WIDGET);
    boite_jeu.pack_start(boite_joueurs, Gtk::PACK_EXPAND_WIDGET);
    boite_principale.pack_start(boite_jeu, Gtk::PACK_EXPAND_WIDGET);

    barre_etat.show();
    boite_principale.pack_start(barre_etat, Gtk::PACK_SHRINK);
    add(boite_principale);
}

fenetre_access gtk_new() {
    auto fenetre = std::make_unique<fenetre_record>();
    fenetre->initialize();
    return fenetre.release();
}

void initialiser_joueurs(quarlo4::tableau<type_donnees_joueurs, 2>& joueurs) {
    joueurs(1).nom = "Joueur1";
    joueurs(1).score = 0;
    joueurs(2).nom = "Joueur2";
    joueurs(2).score = 0;
    joueur_courant = 1;
}

void vider_plateau(quarlo4::type_plateau& plateau) {
    for (int i = 1; i <= nbr_ligne; ++i)
        for (int j = 1; j <= nbr_colonne; ++j) plateau(i, j) = quarlo4::AUCUN;
}

namespace {

void afficher_boite(const std::string& message, Gtk::MessageType type, const char* titre) {
    Gtk::MessageDialog boite(message, false, type, Gtk::BUTTONS_OK, true);
    boite.set_title(titre);
    boite.set_position(Gtk::WIN_POS_MOUSE);
    boite.set_default_response(Gtk::RESPONSE_OK);
    for (Gtk::Widget* enfant : boite.get_message_area()->get_children()) {
        if (auto* texte = dynamic_cast<Gtk::Label*>(enfant)) {
            texte->set_justify(Gtk::JUSTIFY_CENTER);
            // A name without blanks, however long, must still wrap.
            texte->set_line_wrap_mode(Pango::WRAP_WORD_CHAR);
        }
    }
    boite.run();
}

}  // namespace

void afficher_erreur(const std::string& message) { afficher_boite(message, Gtk::MESSAGE_ERROR, "Error"); }

void afficher_info(const std::string& message) { afficher_boite(message, Gtk::MESSAGE_INFO, "Information"); }

void interaction_joueurs(const std::string& message, bool afficher_nom) {
    const std::string texte = afficher_nom ? message + " " + donnees_joueurs(joueur_courant).nom : message;
    jeu->barre_etat.push(texte, jeu->barre_etat.get_context_id("NewJ"));
}

void detruire_a_la_fermeture(Gtk::Window& fenetre) {
    fenetre.signal_hide().connect([&fenetre] {
        Glib::signal_idle().connect_once([&fenetre] { delete &fenetre; });
    });
}

namespace {

// "Exception name:" and "Message:" lines for the exception being handled.
void signaler_exception() {
    std::string nom = "inconnue";
    std::string message;
    try {
        throw;
    } catch (const std::exception& e) {
        int etat = 0;
        std::unique_ptr<char, decltype(&std::free)> clair(abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &etat),
                                                           &std::free);
        nom = etat == 0 && clair ? clair.get() : typeid(e).name();
        message = e.what();
    } catch (const Glib::Exception& e) {
        nom = "Glib::Exception";
        message = e.what();
    } catch (...) {
    }
    std::cout << "Exception name: " << nom << "\nMessage: " << message << std::endl;
}

}  // namespace

int executer_sous_garde(const std::function<void()>& programme) {
    bool echec = false;
    sigc::connection garde = Glib::add_exception_handler([&echec] {
        signaler_exception();
        echec = true;
        if (Gtk::Main::level() > 0) {
            Gtk::Main::quit();
        } else {
            // Outside the main loop nothing would ever end it: stop here.
            std::exit(1);
        }
    });
    try {
        programme();
    } catch (...) {
        signaler_exception();
        echec = true;
    }
    garde.disconnect();
    return echec ? 1 : 0;
}

}  // namespace fenetre_pkg
