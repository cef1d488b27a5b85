// The quit confirmation window.
#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/window.h>

namespace my_dialog {

// Text lookup in the message domain "Quitter".
const char* _(const char* texte);

class window_record : public Gtk::Window {
public:
    window_record();

    Gtk::VBox boite_sortie;
    Gtk::Label question;
    Gtk::HBox boite_boutons;
    Gtk::Button bouton_oui;
    Gtk::Button bouton_non;

    void initialize();
};
using window_access = window_record*;

// A new, hidden window with no handler connected.
window_access gtk_new();

}  // namespace my_dialog
