#include "platform/runtime/felder.h"

namespace plat::rt {

namespace {
FeldQuelle* g_quelle = nullptr;
}

FeldQuelle* feldquelle() { return g_quelle; }
void setze_feldquelle(FeldQuelle* q) { g_quelle = q; }

}  // namespace plat::rt
