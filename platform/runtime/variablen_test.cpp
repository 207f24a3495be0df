#include "platform/runtime/variablen.h"

#include <gtest/gtest.h>

using namespace plat::rt;

namespace {
std::string lies(const char* name) {
  Value* v = finde_variable(name);
  return v ? v->text() : "<keine>";
}
}  // namespace

TEST(Variablen, InnerFrameHidesOuterUntilItEnds) {
  Rahmen host;
  host.erzeuge("cName", "aussen");
  EXPECT_EQ(lies("CNAME"), "aussen");  // names without regard to case
  {
    Rahmen innen;
    innen.erzeuge("cname", "innen");
    EXPECT_EQ(lies("cName"), "innen");
    setze_variable("CName", "neu");  // assigns the innermost
    EXPECT_EQ(lies("cName"), "neu");
  }
  EXPECT_EQ(lies("cName"), "aussen");
  {
    Rahmen innen;
    innen.erzeuge("cNurInnen", "x");
  }
  EXPECT_EQ(lies("cNurInnen"), "<keine>");
}

TEST(Variablen, AssignmentWithoutVariableCreatesInInnermostFrame) {
  Rahmen aussen;
  {
    Rahmen innen;
    setze_variable("cNeu", "1");
    EXPECT_EQ(lies("cNeu"), "1");
  }
  EXPECT_EQ(lies("cNeu"), "<keine>");
}

TEST(Variablen, StorageStaysValidWhileFrameGrows) {
  Rahmen r;
  Value& a = r.erzeuge("a", "erster");
  for (int i = 0; i < 100; ++i) r.erzeuge("v" + std::to_string(i), i);
  EXPECT_EQ(a.text(), "erster");
  EXPECT_EQ(finde_variable("A"), &a);
  Value& nochmal = r.erzeuge("A", "zweiter");  // same frame: assigns
  EXPECT_EQ(&nochmal, &a);
  EXPECT_EQ(a.text(), "zweiter");
}
