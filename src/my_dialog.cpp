#include "my_dialog.hpp"

#include <gtkmm/stock.h>
#include <libintl.h>

#include <memory>

namespace my_dialog {

const char* _(const char* texte) { return *texte == '\0' ? texte : dgettext("Quitter", texte); }

window_record::window_record() : bouton_oui(Gtk::Stock::YES), bouton_non(Gtk::Stock::NO) {}

void window_record::initialize() {
    set_border_width(4);
    set_title(_("Sortie"));
    set_modal(false);
    set_resizable(true);

    boite_sortie.set_homogeneous(false);
    boite_sortie.set_spacing(0);
    question.set_text(_("Etes-vous certain de vouloir quitter la partie?"));
    question.set_alignment(0.5, 0.5);
    question.set_padding(0, 0);
    question.set_justify(Gtk::JUSTIFY_LEFT);
    question.set_line_wrap(false);
    question.set_selectable(false);
    question.set_use_markup(false);
    question.set_use_underline(false);
    boite_sortie.pack_start(question, Gtk::PACK_EXPAND_WIDGET);

    boite_boutons.set_homogeneous(false);
    boite_boutons.set_spacing(0);
    for (Gtk::Button* bouton : {&bouton_oui, &bouton_non}) {
        bouton->set_border_width(4);
        bouton->set_relief(Gtk::RELIEF_NORMAL);
        boite_boutons.pack_start(*bouton, Gtk::PACK_EXPAND_WIDGET);
    }
    boite_sortie.pack_start(boite_boutons, Gtk::PACK_EXPAND_WIDGET);
    add(boite_sortie);
}

window_access gtk_new() {
    auto fenetre = std::make_unique<window_record>();
    fenetre->initialize();
    return fenetre.release();
}

}  // namespace my_dialog
