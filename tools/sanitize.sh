#!/usr/bin/env bash
# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/. Any report in our own code fails its test (run-test.sh reads
# the reports, whatever the exit code); the leaks of system libraries are
# listed in tests/sanitizer/lsan.supp.
#   bash tools/sanitize.sh            # configure, build, run every test
#   bash tools/sanitize.sh -R config  # only some tests (ctest arguments)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build-asan
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
bash "$here/tools/setup.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
# The build runs its own generators; their leaks at exit do not matter.
ASAN_OPTIONS=detect_leaks=0 cmake --build "$build" -j"${MIRELO_JOBS:-$(nproc)}"
# intercept_tls_get_addr=0: the leak checker's own record of threads'
# dynamic TLS blocks (of the libraries the engine loads) now and then holds a
# bogus range, and its tracer dies reading it ("Tracer caught signal 11").
# Those blocks stay reachable through each thread's TLS vector, which is
# scanned anyway; without the record the checker can only report more.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1:intercept_tls_get_addr=0
export LSAN_OPTIONS=suppressions=$here/tests/sanitizer/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=$here/tests/sanitizer/ubsan.supp
ctest --test-dir "$build" -j"${MIRELO_TEST_JOBS:-6}" --output-on-failure "$@"
