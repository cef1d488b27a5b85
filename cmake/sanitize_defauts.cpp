// Defaults that the sanitizer runtimes read at start-up; the environment's
// *SAN_OPTIONS still override them.
extern "C" {

// Whole allocation stacks (no fast unwind, which stops at the first library
// built without frame pointers) let a suppression name a library frame and
// match only where it really is.
const char* __asan_default_options() {
    return "detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0";
}

const char* __lsan_default_options() { return "suppressions=" QUARLO4_LSAN_SUPP ":print_suppressions=0"; }

const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }
}
