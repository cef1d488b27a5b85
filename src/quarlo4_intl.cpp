#include "quarlo4_intl.hpp"

#include <libintl.h>

namespace quarlo4_intl {

const char* _(const char* texte) {
    // gettext maps the empty message to a catalogue's header; an empty text
    // stays empty whatever catalogue may be installed.
    return *texte == '\0' ? texte : dgettext("Quarlo4", texte);
}

}  // namespace quarlo4_intl
