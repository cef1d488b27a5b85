// Handlers of the names dialog; each acts on the dialog that holds its button.
#pragma once

#include <gtkmm/button.h>

namespace noms_pkg::callbacks {

void on_ok_clicked(Gtk::Button& bouton);
void on_cancel_clicked(Gtk::Button& bouton);

}  // namespace noms_pkg::callbacks
