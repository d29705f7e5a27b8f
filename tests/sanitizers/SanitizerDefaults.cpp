// Linked into every program of a sanitizer build (VEMORA_SANITIZE=ON): the
// options each sanitizer starts with, so that a test stops at the first
// report however it is started (by ctest, by hand, or as kpj-tool and
// print-tool are by the tests), and the leak check skips only the leaks of
// the system's libraries named in lsan.supp. Options in ASAN_OPTIONS,
// UBSAN_OPTIONS and LSAN_OPTIONS are read after these and win.

extern "C" {

const char* __asan_default_options()
{
    return "detect_leaks=1:halt_on_error=1:check_initialization_order=1";
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
