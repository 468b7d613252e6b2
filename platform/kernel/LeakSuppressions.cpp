// What the leak checker may ignore: fontconfig's own configuration and font
// cache, which it keeps for the life of the process and which nothing of ours
// allocates. GLib, Pango, HarfBuzz and cairo are not suppressed: their
// one-time state (registered types, interned strings, font caches) stays
// reachable from their globals and is no leak, while an object of ours that
// nobody unrefs (a layout, a font description) is reported. The libraries are
// built without frame pointers, so a report shows only the library frame
// that allocated; a suppression can only name that library, and naming
// GLib or Pango would hide every leak of ours too.
//
// GObjects come from GLib's slice allocator, whose slabs stay reachable and
// hide a lost object: the tests run with G_SLICE=always-malloc
// (cmake/Layers.cmake), and so should a leak hunt by hand. A throwaway
// program proves a lost Pango layout is reported (tests/leakcheck).
//
// This is the only list: the build asks the linker to keep this object in
// every program that links the platform.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
