// SPDX-License-Identifier: MIT
// For the sanitizer run only (preloaded by scripts/test.sh --sanitize):
// dlclose() that unloads nothing. Mesa unloads its driver before the process
// ends, and LeakSanitizer, which looks for leaks at the very end, can then
// name the driver's blocks only as "<unknown module>", which no suppression
// matches. With the driver still mapped its frames have names, and the
// suppression file can say whose they are.
//
// The sanitizer's own dlclose interceptor, linked into every executable,
// calls the next dlclose in the search order, which this preloaded one is.
int dlclose(void* handle)
{
    (void)handle;
    return 0;
}
