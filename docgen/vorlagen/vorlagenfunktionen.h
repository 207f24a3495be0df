// Registers the generator's public functions that templates call by name
// (placeholder replacement, text functions, address block, small functions).
#pragma once

namespace docgen {

// Idempotent; call once before templates are evaluated.
void registriere_vorlagenfunktionen();

}  // namespace docgen
