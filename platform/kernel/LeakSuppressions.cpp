// Fontconfig, Pango, HarfBuzz and GLib keep caches for the life of the process
// and lose a few bytes while parsing their configuration; that is not ours to
// fix, and it must not fail every sanitized program that draws text. ctest
// also passes cmake/lsan.supp; this default makes a test binary or the
// program run by hand behave the same. The build asks the linker to keep this
// object in every program that links the platform (CMakeLists.txt).
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n"
         "leak:libpango\n"
         "leak:libharfbuzz\n"
         "leak:libglib\n";
}
