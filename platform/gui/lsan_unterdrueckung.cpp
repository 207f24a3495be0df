// Linked into the window tests only: fontconfig keeps a cache it never frees
// for the lifetime of the process; LeakSanitizer is told to leave it alone.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
