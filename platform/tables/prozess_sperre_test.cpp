// A lock held by one process keeps a second process out.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/tables/arbeitsbereiche.h"
#include "platform/tables/struktur.h"
#include "testing/temp_ordner.h"

namespace plat::tables {
namespace {

TEST(ProzessSperre, ALockHeldByOneProcessKeepsAnotherOut) {
  bt::test::TempOrdner dir;
  const std::string pfad = dir / "fall.dbf";
  erzeuge_tabelle(pfad, {{"name", 'C', 10, 0}});
  {
    auto t = oeffne_datei(pfad);
    t->anhaengen();
    t->anhaengen();
    t->commit();
  }
  int zum_kind[2], zum_vater[2];
  ASSERT_EQ(::pipe(zum_kind), 0);
  ASSERT_EQ(::pipe(zum_vater), 0);
  const pid_t kind = ::fork();
  ASSERT_GE(kind, 0);
  if (kind == 0) {
    char c = 'x';
    try {
      auto t = oeffne_datei(pfad);
      t->gehe_zu(1);
      c = t->sperre() ? 'g' : 'n';
      t->schreibe("name", rt::Value("Kind"));
      t->commit();
      (void)!::write(zum_vater[1], &c, 1);
      (void)!::read(zum_kind[0], &c, 1);  // hold the lock (and the table) until told
    } catch (...) {
      c = 'f';
      (void)!::write(zum_vater[1], &c, 1);
    }
    ::_exit(0);
  }
  char c = 0;
  ASSERT_EQ(::read(zum_vater[0], &c, 1), 1);
  ASSERT_EQ(c, 'g');
  {
    auto t = oeffne_datei(pfad);
    t->gehe_zu(1);
    EXPECT_FALSE(t->sperre());
    t->gehe_zu(2);
    EXPECT_TRUE(t->sperre());
    EXPECT_THROW(oeffne_datei(pfad, "", true), TabellenFehler);  // in use by the other process
  }
  (void)!::write(zum_kind[1], "q", 1);
  int status = 0;
  ::waitpid(kind, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  auto t = oeffne_datei(pfad, "", true);  // the other process has ended: free again
  t->gehe_zu(1);
  EXPECT_TRUE(t->sperre());
  EXPECT_EQ(t->lese("name").text(), "Kind      ");
  for (int fd : {zum_kind[0], zum_kind[1], zum_vater[0], zum_vater[1]}) ::close(fd);
}

}  // namespace
}  // namespace plat::tables
