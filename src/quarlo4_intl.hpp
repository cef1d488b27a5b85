// Text lookup of the window builders, in the message domain "Quarlo4".
#pragma once

namespace quarlo4_intl {

// The translation of `texte`; with no catalogue bound, `texte` itself.
const char* _(const char* texte);

}  // namespace quarlo4_intl
