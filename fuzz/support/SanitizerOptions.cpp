// The sanitizers' defaults for the libFuzzer programs. Freed memory waits in
// AddressSanitizer's quarantine (256 MB by default) before it is reused, so
// that a late use of it is caught; a target that makes and frees the editor's
// widgets at every run fills it within a few thousand runs, and the process
// then stands some 300 MB higher, which looks like a leak and is none (the
// same loads replayed without the sanitizers stay flat). 64 MB still holds
// the memory of many runs.
extern "C" const char *__asan_default_options()
{
    return "quarantine_size_mb=64";
}
