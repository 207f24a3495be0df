#include "platform/expr/expr.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/expr/fehler.h"
#include "platform/expr/test_feldquelle.h"
#include "platform/process/uhr.h"
#include "platform/runtime/funktionen.h"
#include "platform/runtime/variablen.h"
#include "platform/ui/benutzer.h"

using namespace plat;
using expr::auswerten;
using expr::typ_pruefen;
using rt::Value;

namespace {

Value datum(int j, int m, int t) { return Value(*text::Datum::aus_ymd(j, m, t)); }

// A host as templates see it: tables in work areas 1 and 5, host variables,
// a fixed day, and a scripted user.
class ExprTest : public ::testing::Test {
 protected:
  ExprTest()
      : uhr_(process::VirtuelleUhr::lokal(2024, 3, 9, 14, 30)),
        uhr_wechsel_(uhr_),
        benutzer_wechsel_(benutzer_),
        quelle_wechsel_(quelle_) {
    quelle_.bereiche[1].alias = "AUFTRAG";
    quelle_.feld(1, "name", 'C', Value("M\x81ller     "));
    quelle_.feld(1, "best_art", 'C', Value("E "));
    quelle_.feld(1, "betrag", 'N', Value(1234.5, 8, 2));
    quelle_.feld(1, "messezeit", 'N', Value(9.5, 5, 2));
    quelle_.feld(1, "messedat", 'D', datum(2024, 3, 15));
    quelle_.feld(1, "notiz", 'M', Value("Anruf am Morgen"));
    quelle_.feld(1, "erledigt", 'L', Value(false));
    quelle_.bereiche[5].alias = "ADRESSEN";
    quelle_.feld(5, "name1", 'C', Value("Friedhofsverwaltung"));

    auto best = std::make_shared<rt::Object>();
    best->members["TW2"] = Value("Freitag");
    best->members["TW4"] = Value("");
    host_.erzeuge("oBest", Value(best));
    host_.erzeuge("cName", "Garten  ");
    host_.erzeuge("nV", Value::berechnet(1.5, 1));
    host_.erzeuge("lMann", true);
    host_.erzeuge("cHerr", "Herr");
    host_.erzeuge("aListe", Value::liste({Value("Rot  "), Value("Blau")}));
    host_.erzeuge("name", "Variable vor Feld");
    host_.erzeuge("cMakro", "cHerr + '!'");
  }

  process::VirtuelleUhr uhr_;
  process::UhrWechsel uhr_wechsel_;
  ui::SkriptBenutzer benutzer_;
  ui::BenutzerWechsel benutzer_wechsel_;
  expr::test::TestFeldQuelle quelle_;
  rt::FeldQuelleWechsel quelle_wechsel_;
  rt::Rahmen host_;
};

struct Fall {
  const char* ausdruck;
  const char* wert;  // als_text of the value
  const char* typ;
};

void pruefe_faelle(const std::vector<Fall>& faelle) {
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.ausdruck);
    EXPECT_EQ(typ_pruefen(f.ausdruck), f.typ);
    EXPECT_EQ(rt::als_text(auswerten(f.ausdruck)), f.wert);
  }
}

}  // namespace

TEST_F(ExprTest, OperatorsLiteralsAndNumberDecimals) {
  pruefe_faelle({
      {"'Haus' + \" Hof\"", "Haus Hof", "C"},
      {"'Haus  ' - 'Hof'", "HausHof  ", "C"},  // blanks of the left move to the end
      {"1 + 2 * 3", "7", "N"},
      {"(1 + 2) * 3", "9", "N"},
      {"-2 + 5", "3", "N"},
      {"1.50 + 1", "2.50", "N"},  // literals keep their decimals
      {"1.5 * 1.25", "1.875", "N"},
      {"10 / 4", "2.50", "N"},  // two more decimals where the quotient needs them
      {"10 / 2", "5", "N"},
      {"1 / 3", "0.33", "N"},
      {"7 % 3", "1", "N"},
      {"2 ** 10", "1024", "N"},
      {"0.1 + 0.2 = 0.3", ".T.", "L"},
      {"'abc' = 'ab'", ".T.", "L"},  // "=" compares as far as the right text goes
      {"'ab' = 'abc'", ".F.", "L"},
      {"'abc' == 'ab'", ".F.", "L"},
      {"'abc' != 'x'", ".T.", "L"},
      {"'abc' <> 'abc'", ".F.", "L"},
      {"3 # 4", ".T.", "L"},
      {"'a' < 'b' .AND. 2 <= 2 .AND. 3 >= 4 .OR. 5 > 4", ".T.", "L"},
      {"!.T. .OR. .NOT. .F.", ".T.", "L"},
      {"'ar' $ 'Garten'", ".T.", "L"},
      {".F. .AND. 1/0 = 1", ".F.", "L"},  // short-circuit
      {"NIL", "NIL", "U"},
      {"{1, 'a', , .T.}[2]", "a", "C"},
      {"{'x', 'y'}", "{...}", "A"},
      {"(1, 2, 'drei')", "drei", "C"},
  });
}

TEST_F(ExprTest, DatesArithmeticAndFunctions) {
  pruefe_faelle({
      {"DATE()", "09.03.2024", "D"},
      {"DATE() + 7", "16.03.2024", "D"},
      {"1->messedat - DATE()", "6", "N"},
      {"1->messedat - 15", "29.02.2024", "D"},
      {"DTOC(1->messedat)", "15.03.2024", "C"},
      {"DTOS(CTOD('01.02.2024'))", "20240201", "C"},
      {"STOD('20241231')", "31.12.2024", "D"},
      {"CTOD('31.02.2024')", "  .  .    ", "D"},  // no such day: the blank date
      {"DAY(1->messedat) + MONTH(1->messedat) * 100 + YEAR(1->messedat) * 10000", "20240315", "N"},
      {"DOW(1->messedat)", "6", "N"},
      {"CDOW(1->messedat)", "Freitag", "C"},
      {"CMONTH(DATE())", "M\x84rz", "C"},
      {"CDOW(CTOD(''))", "", "C"},
      {"TIME()", "14:30:00", "C"},
      {"1->messedat > DATE()", ".T.", "L"},
  });
}

TEST_F(ExprTest, TextAndNumberFunctions) {
  pruefe_faelle({
      {"TRIM(cName) + '|'", "Garten|", "C"},
      {"RTRIM(cName) == ALLTRIM('  Garten  ')", ".T.", "L"},
      {"LTRIM('  a ')", "a ", "C"},
      {"UPPER('m\x81ller') + LOWER('ABC')", "M\x9aLLERabc", "C"},
      {"LEFT('Garten', 3) + RIGHT('Garten', 2) + LEFT('x', -1)", "Garen", "C"},
      {"SUBSTR('Garten', 2, 3) + SUBSTR('Garten', -2) + SUBSTR('Garten', 9)", "arten", "C"},
      {"AT('r', 'Garten') * 10 + RAT('e', 'Gartenhaus')", "35", "N"},
      {"LEN('Garten') + LEN(aListe)", "8", "N"},
      {"STR(9.5)", "       9.5", "C"},  // a literal's own decimals
      {"STR(10 / 4)", "      2.50", "C"},
      {"STR(1->betrag)", " 1234.50", "C"},  // the field's own width and decimals
      {"STR(1->messezeit, 5, 2)", " 9.50", "C"},
      {"STR(14.3, 3)", " 14", "C"},
      {"STR(123456, 3)", "***", "C"},
      {"STRZERO(42, 5)", "00042", "C"},
      {"VAL(' 12.50x') + 1", "13.50", "N"},
      {"VAL('abc')", "0", "N"},
      {"STRTRAN('a-b-c', '-', ', ')", "a, b, c", "C"},
      {"STRTRAN('a-b-c', '-')", "abc", "C"},
      {"STUFF('Garten', 2, 3, 'XY')", "GXYen", "C"},
      {"SPACE(3) + REPLICATE('ab', 2)", "   abab", "C"},
      {"PADL('7', 3, '0') + PADR('ab', 4) + '|' + PADC('x', 5, '*')", "007ab  |**x**", "C"},
      {"PADR('abcdef', 3)", "abc", "C"},
      {"CHR(65) + STR(ASC('a'), 3)", "A 97", "C"},
      {"INT(-7.9) + ROUND(2.675, 2)", "-4.32", "N"},
      {"ROUND(1234.5, -2)", "1200", "N"},
      {"ABS(-3.25) + MIN(2, 5) + MAX(2, 5)", "10.25", "N"},
      {"MAX(DATE(), 1->messedat)", "15.03.2024", "D"},
      {"EMPTY('  ') .AND. EMPTY(0) .AND. EMPTY(CTOD('')) .AND. !EMPTY(cName)", ".T.", "L"},
      {"VALTYPE(oBest) + VALTYPE(aListe) + VALTYPE(NIL) + VALTYPE({|| 1})", "OAUB", "C"},
      {"TYPE('cGibtEsNicht') + TYPE('1 +') + TYPE('1->notiz')", "UUEM", "C"},
  });
}

TEST_F(ExprTest, TransformPictures) {
  pruefe_faelle({
      {"TRANSFORM(150, '@L_ 99,999,999.99')", "_______150.00", "C"},
      {"TRANSFORM(0, '@L_ 99,999,999.99')", "_________0.00", "C"},
      {"TRANSFORM(1234567.891, '99,999,999.99')", " 1,234,567.89", "C"},
      {"TRANSFORM(1234.5, '@E 9,999.99')", "1.234,50", "C"},
      {"TRANSFORM(-12.5, '9999.9')", " -12.5", "C"},
      {"TRANSFORM(123456, '999.99')", "***.**", "C"},
      {"TRANSFORM(0, '@Z 999.99')", "      ", "C"},
      {"TRANSFORM(42, '@B 99999')", "42   ", "C"},
      {"TRANSFORM('m\x81ller', '@!')", "M\x9aLLER", "C"},
      {"TRANSFORM('12345', '99-999')", "12-345", "C"},
      {"TRANSFORM(.T., '')", "T", "C"},
  });
}

TEST_F(ExprTest, FieldsVariablesMembersAndCalls) {
  rt::registriere_funktion("AkommaB", [](rt::Argumente& a) {
    std::string s;
    for (const auto& x : a) {
      if (x.wert.ist_nil()) break;  // the first left-out argument ends the list
      s += (s.empty() ? "" : ", ") + x.wert.text();
    }
    return Value(s);
  });
  pruefe_faelle({
      {"AUFTRAG->name", "M\x81ller     ", "C"},
      {"auftrag->NAME", "M\x81ller     ", "C"},
      {"1->betrag", "1234.50", "N"},
      {"(1)->betrag", "1234.50", "N"},
      {"(5)->name1", "Friedhofsverwaltung", "C"},
      {"('adressen')->name1", "Friedhofsverwaltung", "C"},
      {"5->name1", "Friedhofsverwaltung", "C"},
      {"best_art", "E ", "C"},             // bare field of the selected work area
      {"name", "Variable vor Feld", "C"},  // a visible variable comes first
      {"FIELD->name", "M\x81ller     ", "C"},
      {"M->name", "Variable vor Feld", "C"},
      {"1->notiz", "Anruf am Morgen", "M"},  // memo fields report M
      {"TRIM(1->notiz)", "Anruf am Morgen", "C"},
      {"1->erledigt", ".F.", "L"},
      {"oBest:TW2", "Freitag", "C"},
      {"oBest:tw4", "", "C"},
      {"IIF(lMann, cHerr, 'Frau')", "Herr", "C"},
      {"IIf(!lMann, 1/0, 'ok')", "ok", "C"},  // only the chosen branch is evaluated
      {"iif(EMPTY(oBest:TW2), oBest:TW4, oBest:TW2)", "Freitag", "C"},
      {"AkommaB('A', 'B', , 'D')", "A, B", "C"},
      {"AKOMMAB('A')", "A", "C"},
      {"aListe[1]", "Rot  ", "C"},
      {"EVAL({|a, b| a + b, a * b}, 3, 4)", "12", "N"},
      {"EVAL({|| cName})", "Garten  ", "C"},
      {"EVAL({||})", "NIL", "U"},
      {"&cMakro", "Herr!", "C"},                  // a variable's text evaluated
      {"[eckig] + aListe[2]", "eckigBlau", "C"},  // brackets as quotes where a value starts
      {"(nNeu := 2) + nNeu", "4", "N"},           // assignment creates in the innermost frame
      {"oBest:TW4 := 'Montag'", "Montag", "C"},
  });
  EXPECT_EQ(auswerten("oBest:TW4").text(), "Montag");
}

TEST_F(ExprTest, TypeCheckNeverThrows) {
  struct Pruefung {
    const char* ausdruck;
    const char* typ;
  } faelle[] = {
      {"cGibtEsNicht", "U"},
      {"TRIM(cGibtEsNicht)", "U"},
      {"GibtEsNicht()", "U"},
      {"7->name", "U"},  // no table in work area 7
      {"xyz->name", "U"},
      {"1->gibtesnicht", "U"},
      {"oBest:TW9", "U"},
      {"1 +", "UE"},
      {"", "UE"},
      {"(TRIM(cA)", "UE"},
      {"'offen", "UE"},
      {"1 + 'a'", "UE"},  // an error while finding the value
      {"1/0", "UE"},
      {"SUBSTR(5, 1)", "UE"},
      {"aListe[3]", "UE"},
      {"IIF(1, 2, 3)", "UE"},
      {"$", "UE"},
      {"\x81", "UE"},
  };
  for (const auto& f : faelle) EXPECT_EQ(typ_pruefen(f.ausdruck), f.typ) << f.ausdruck;
  EXPECT_TRUE(benutzer_.protokoll().empty());  // the check shows nothing
}

TEST_F(ExprTest, ParseErrorsNameTheColumn) {
  EXPECT_EQ(expr::syntax_pruefen("1 + 2"), "");
  EXPECT_EQ(expr::syntax_pruefen("TRIM(cName) +* 2"),
            "Syntaxfehler an Spalte 14: unerwartetes '*'");
  EXPECT_EQ(expr::syntax_pruefen("'offen"), "Syntaxfehler an Spalte 1: Text ohne Ende");
  EXPECT_EQ(expr::syntax_pruefen("1 +"), "Syntaxfehler an Spalte 4: Ausdruck unvollst\x84ndig");
  EXPECT_EQ(expr::syntax_pruefen("f(1 2)"),
            "Syntaxfehler an Spalte 5: ',' oder ')' erwartet statt Zahl 2");
}

TEST_F(ExprTest, EvaluationErrorIsShownLoggedAndEndsTheHostCall) {
  const auto ordner = std::filesystem::path(testing::TempDir()) / "expr_fehler";
  std::filesystem::create_directories(ordner);
  const auto log = ordner / "fehler.log";
  std::filesystem::remove(log);
  expr::setze_fehlerprotokoll(log);

  EXPECT_THROW(auswerten("nV / 0"), expr::AuswertungAbbruch);
  const std::string neutral = expr::im_hostaufruf(std::string("neutral"), [] {
    auswerten("1 + ");
    return std::string("fertig");
  });
  EXPECT_EQ(neutral, "neutral");
  expr::setze_fehlerprotokoll({});

  ASSERT_EQ(benutzer_.meldungen().size(), 2u);
  EXPECT_EQ(benutzer_.meldungen()[0], "Fehler im Ausdruck:\nnV / 0\nDivision durch Null");
  EXPECT_EQ(benutzer_.meldungen()[1],
            "Fehler im Ausdruck:\n1 + \nSyntaxfehler an Spalte 5: Ausdruck unvollst\x84ndig");

  std::ifstream in(log);
  std::string z1, z2;
  std::getline(in, z1);
  std::getline(in, z2);
  EXPECT_EQ(z1, "09.03.2024 14:30:00 Fehler im Ausdruck: nV / 0 | Division durch Null");
  EXPECT_NE(z2.find("Syntaxfehler an Spalte 5"), std::string::npos);
}

TEST_F(ExprTest, NestedEvaluationErrorIsReportedOnceByTheOutermost) {
  rt::registriere_funktion("Innen", [](rt::Argumente&) { return auswerten("cGibtEsNicht + 1"); });
  EXPECT_EQ(typ_pruefen("Innen()"), "U");
  EXPECT_TRUE(benutzer_.protokoll().empty());
  EXPECT_THROW(auswerten("'x' + Innen()"), expr::AuswertungAbbruch);
  ASSERT_EQ(benutzer_.meldungen().size(), 1u);
  EXPECT_EQ(benutzer_.meldungen()[0],
            "Fehler im Ausdruck:\n'x' + Innen()\nVariable nicht vorhanden: cGibtEsNicht");
}

TEST_F(ExprTest, DynamicScopeThroughCalledFunctions) {
  // A function creates a run variable for what it evaluates; a deeper one hides it.
  rt::registriere_funktion("MitRahmen", [](rt::Argumente& a) {
    rt::Rahmen r;
    r.erzeuge("cName", a.at(0).wert);
    return auswerten("cName + '/' + AUFTRAG->best_art");
  });
  EXPECT_EQ(auswerten("MitRahmen('innen')").text(), "innen/E ");
  EXPECT_EQ(auswerten("cName").text(), "Garten  ");  // the outer one again
  EXPECT_EQ(auswerten("MitRahmen(MitRahmen('tief'))").text(), "tief/E /E ");
  {
    rt::Rahmen r;
    r.erzeuge("cNurHier", "da");
    EXPECT_EQ(typ_pruefen("cNurHier"), "C");
  }
  EXPECT_EQ(typ_pruefen("cNurHier"), "U");
}

TEST_F(ExprTest, ReferenceArgumentsWriteBack) {
  rt::registriere(
      "FNT_Test", +[](std::string& font, double& groesse) {
        font = "12.Courier";
        groesse += 1;
      });
  host_.erzeuge("cFont", "");
  host_.erzeuge("nGr", 11);
  auswerten("FNT_Test(@cFont, @nGr)");
  EXPECT_EQ(rt::finde_variable("cFont")->text(), "12.Courier");
  EXPECT_EQ(rt::finde_variable("nGr")->zahl(), 12);
  // By value nothing is written back.
  auswerten("FNT_Test(cFont, nGr)");
  EXPECT_EQ(rt::finde_variable("nGr")->zahl(), 12);
}

TEST_F(ExprTest, EveryEvaluationRunsFunctionsAnew) {
  int aufrufe = 0;
  rt::registriere_funktion("Zaehle", [&aufrufe](rt::Argumente&) { return Value(++aufrufe); });
  EXPECT_EQ(auswerten("Zaehle()").zahl(), 1);
  EXPECT_EQ(auswerten("Zaehle()").zahl(), 2);
  EXPECT_EQ(typ_pruefen("Zaehle()"), "N");
  EXPECT_EQ(aufrufe, 3);
}

TEST_F(ExprTest, CodeBlocksCompiledFromText) {
  const Value b = expr::block_kompilieren("{|a, b| cName := a, TRIM(cName) + b}");
  ASSERT_TRUE(b.ist_block());
  EXPECT_EQ(expr::block_ausfuehren(b, {Value("Hof  "), Value("!")}).text(), "Hof!");
  EXPECT_EQ(rt::finde_variable("cName")->text(), "Hof  ");     // assigned the visible variable
  EXPECT_EQ(rt::finde_variable("a"), nullptr);                 // parameters are gone after the call
  EXPECT_THROW(b.block()->call({}), expr::AuswertungAbbruch);  // "" + NIL: error handling
  EXPECT_EQ(benutzer_.meldungen().size(), 1u);
}

TEST_F(ExprTest, NameSubstitutionInTexts) {
  host_.erzeuge("cDatei", "C:\\DERA\\Brief.html");
  host_.erzeuge("n1", 5);
  struct {
    const char* text;
    const char* ergebnis;
  } faelle[] = {
      {"swriter.exe \"&cDatei\"", "swriter.exe \"C:\\DERA\\Brief.html\""},
      {"&cName&cHerr", "Garten  Herr"},
      {"&cGibtEsNicht bleibt", "&cGibtEsNicht bleibt"},
      {"&n1 ist keine Text", "&n1 ist keine Text"},
      {"a & b &", "a & b &"},
  };
  for (const auto& f : faelle) EXPECT_EQ(expr::namen_ersetzen(f.text), f.ergebnis);
}

TEST_F(ExprTest, HostileTextsNeitherCrashNorHang) {
  const std::string tief(5000, '(');
  const std::string kette = "1" + [] {
    std::string s;
    for (int i = 0; i < 5000; ++i) s += "+1";
    return s;
  }();
  const char* texte[] = {
      "EVAL({|b| EVAL(b, b)}, {|b| EVAL(b, b)})",  // endless recursion
      "REPLICATE('x', 1e15)",
      "SPACE(-5) + SUBSTR('a', 1e300, -1e300)",
      "DATE() + 1e300",
      "CHR(-1e300)",
      "&cName",
  };
  for (const char* t : texte) {
    (void)typ_pruefen(t);
    try {
      auswerten(t);
    } catch (const expr::AuswertungAbbruch&) {
    }
  }
  EXPECT_EQ(typ_pruefen(tief), "UE");
  EXPECT_EQ(typ_pruefen(kette), "UE");
  EXPECT_EQ(typ_pruefen("EVAL({|b| EVAL(b, b)}, {|b| EVAL(b, b)})"), "UE");
}
