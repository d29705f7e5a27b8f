// Linked into every program of a sanitizer build (VEMORA_SANITIZE=ON): the
// options each sanitizer starts with, so that a test stops at the first
// report however it is started (by ctest, by hand, or as kpj-tool and
// print-tool are by the tests), and the leak check skips only the leaks of
// the system's libraries named in lsan.supp. Options in ASAN_OPTIONS,
// UBSAN_OPTIONS and LSAN_OPTIONS are read after these and win.
//
// The runtime's tracking of dynamic thread-local blocks (those of libraries
// loaded later, as Qt's plugins are) is left off: it takes the glibc layout
// of such a block from its address alone, misreads this glibc's blocks where
// an address happens to fall on a page offset, and the leak check then
// crashes scanning a range that is not memory ("Tracer caught signal 11")
// after a test has passed. The leak check itself, and its scan of the
// threads' stacks and static thread-local blocks, stay on.

extern "C" {

const char* __asan_default_options()
{
    return "detect_leaks=1:halt_on_error=1:check_initialization_order=1:intercept_tls_get_addr=0";
}

const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

const char* __lsan_default_options()
{
    return "suppressions=" VEMORA_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

} // extern "C"
