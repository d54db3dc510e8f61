#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless
# under Xvfb with Mesa's software renderer.
#
#   scripts/test.sh [CTEST ARGS...]             the normal build in build/
#   scripts/test.sh --sanitize [CTEST ARGS...]  AddressSanitizer (with leak
#       checking) and UndefinedBehaviorSanitizer, built with clang in
#       build-asan/; any finding fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
# The test programs print their failures only, so that a failing run's log
# shows why it failed rather than hundreds of passing cases.
export GTEST_BRIEF=1
# The plain locale: the program speaks Russian in it, as the suite expects;
# the English interface is tested by choosing it.
export LANG=C.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE

if [ "${1:-}" != "--sanitize" ]; then
  scripts/install-deps.sh
  scripts/build.sh
  export LIBGL_ALWAYS_SOFTWARE=1
  export GALLIUM_DRIVER=llvmpipe
  exec xvfb-run -a -s "-screen 0 1600x1200x24" ctest --test-dir build --output-on-failure "$@"
fi
shift

scripts/install-deps.sh --sanitize
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$PWD"
fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVESTREL_SANITIZE=ON "${launcher[@]}" >/dev/null

# The sanitizers' settings hold for the build too: the picture generators
# run during it, and they are checked like everything else.
# - No fast_unwind_on_malloc=0: the slow unwinder deadlocks in llvmpipe's
#   JIT code when LeakSanitizer walks the stacks at exit.
# - Leaks of Mesa, fontconfig and Qt's plugin loading are suppressed, each
#   line of sanitize/lsan.supp says why; whatever else leaks fails the test.
export ASAN_OPTIONS="detect_leaks=1:strict_init_order=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$PWD/sanitize/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$PWD/sanitize/ubsan.supp"
cmake --build build-asan -j "$(nproc)"

export LIBGL_ALWAYS_SOFTWARE=1
export GALLIUM_DRIVER=llvmpipe
# The shim goes to the tests only, not to Xvfb.
exec xvfb-run -a -s "-screen 0 1600x1200x24" \
  env LD_PRELOAD="$PWD/build-asan/libvestrel_keep_loaded.so" \
  ctest --test-dir build-asan --output-on-failure "$@"
