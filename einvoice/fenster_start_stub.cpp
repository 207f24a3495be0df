// Stand-in until the entry window is built: says so and points to the batch mode.
#include <iostream>

#include "einvoice/fenster_start.h"

namespace einvoice {

int starte_fenster(int /*argc*/, char** /*argv*/) {
  std::cerr << "xrechnung: Das Eingabefenster ist in diesem Stand noch nicht gebaut.\n"
               "Eine Rechnung ohne Fenster schreiben: xrechnung --write EINGABEN.txt "
               "[--drive C=ORDNER]\n";
  return 2;
}

}  // namespace einvoice
