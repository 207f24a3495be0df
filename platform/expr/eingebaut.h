// The built-in functions of the expression language (text, numbers, dates,
// types). They live in the same registry as the system's public functions.
#pragma once

namespace plat::expr {

// Registers the built-ins once; a name already registered is left alone, so
// a function registered before keeps its meaning.
void eingebaute_sicherstellen();

namespace intern {
void registriere_textfunktionen();
void registriere_zahlfunktionen();
void registriere_datumsfunktionen();
void registriere_allgemeine_funktionen();
}  // namespace intern

}  // namespace plat::expr
