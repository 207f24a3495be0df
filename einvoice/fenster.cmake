# The windows of the e-invoice program (Qt). Everything window-free stays in
# the einvoice library, free of Qt.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

bt_add_library(einvoice_dialoge SOURCES tzdialog.cpp modalfen.cpp
  LIBS platform_gui platform_files platform_text platform_ui Qt6::Widgets)
qt_add_resources(einvoice_dialoge "programmsymbol" PREFIX "/einvoice" BASE symbol FILES symbol/programm.png)

bt_add_test(einvoice_dialoge_test
  SOURCES tzdialog_test.cpp modalfen_test.cpp ../platform/gui/lsan_unterdrueckung.cpp
  LIBS einvoice_dialoge Qt6::Test)

# The entry window and Main's loop; einvoice::starte_fenster for the xrechnung program.
bt_add_library(einvoice_fenster SOURCES eingabefenster.cpp main_fenster.cpp fenster_start.cpp
  LIBS einvoice einvoice_dialoge platform_gui Qt6::Widgets)

bt_add_test(einvoice_fenster_test
  SOURCES eingabefenster_test.cpp ../platform/gui/lsan_unterdrueckung.cpp
  LIBS einvoice_fenster Qt6::Test)
