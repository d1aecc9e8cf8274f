# SPDX-License-Identifier: MIT
# The two everyday commands: `make run` and `make test`. Both install what is missing first;
# `make run` only what building and running the program needs.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60
BENCH_RUNS ?= 31
# Extra configure options, e.g. CMAKE_ARGS=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON as CI sets.
CMAKE_ARGS ?=

WINDOWS_DIR ?= build-windows

.PHONY: all run test build sanitize fuzz bench artwork windows windows-test clean

all: build

# Configures only once: later runs leave the build tree alone, so a second `make run` with
# nothing changed compiles and links nothing.
run:
	@tools/install-deps.sh run
	@test -f $(BUILD_DIR)/CMakeCache.txt || \
	    cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBUILD_TESTING=OFF \
	        $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tintforge
	@$(BUILD_DIR)/tintforge

build:
	@tools/install-deps.sh test
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBUILD_TESTING=ON \
	    $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer; any report fails.
# Leaks inside system libraries are suppressed by name (tests/sanitizers/lsan.supp).
sanitize:
	@tools/install-deps.sh test
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug $(CMAKE_ARGS) \
	    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all" \
	    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@cd build-asan && ASAN_OPTIONS=detect_leaks=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# libFuzzer over the composition's operations, the script writer with injected faults, the
# fields' character filter and path joining; every layer is instrumented. FUZZ_SECONDS=600 for a
# long run.
fuzz:
	@tools/install-deps.sh test
	@cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTINTFORGE_FUZZ=ON -DBUILD_TESTING=OFF \
	    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_operations
	@mkdir -p build-fuzz/corpus
	@build-fuzz/fuzz_operations -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build-fuzz/corpus

# Under Xvfb: time to the first complete paint and peak memory of the program against three
# floors (a bare window, one showing a line of text, one showing a control of each kind besides);
# then the time from Make until both files are closed and until "Save as..." shows over big
# folders. The programs get a runtime folder of their own, as a desktop session gives them.
# Where the Windows program is built (make windows), the same start-up figures for it and its
# floors under Wine, and the size of the exe.
bench:
	@tools/install-deps.sh test
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTINTFORGE_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS) --target tintforge bench_floor bench_floor_text bench_floor_controls \
	    startbench waitbench
	@export XDG_RUNTIME_DIR=$$(mktemp -d) && \
	    xvfb-run -a -s "-screen 0 1024x768x24" build-bench/startbench $(BENCH_RUNS) \
	        build-bench/bench_floor build-bench/bench_floor_text build-bench/bench_floor_controls \
	        build-bench/tintforge && \
	    QT_QPA_PLATFORM=offscreen build-bench/waitbench 5 5000 100000; \
	    status=$$?; rm -rf "$$XDG_RUNTIME_DIR"; exit $$status
	@if [ -f $(WINDOWS_DIR)/CMakeCache.txt ]; then tools/windows/bench-wine.sh $(WINDOWS_DIR) $(BENCH_RUNS); fi

# The Windows program, "VorlixOrv's Tintforge.exe", and its zip, cross-built with MinGW-w64
# against a static Qt. That Qt is built once per machine from Debian's qt6-base source into a
# cache outside the clone (the first run takes about 25 minutes on two cores; see README).
windows:
	@tools/install-deps.sh windows
	@qt=$$(tools/windows/build-qt.sh) && \
	    cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	        -DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake \
	        -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	        "-DCMAKE_CROSSCOMPILING_EMULATOR=$(CURDIR)/tools/windows/wine-run.sh;$(CURDIR)/$(WINDOWS_DIR)/wineprefix" \
	        -DTINTFORGE_HOST_ENDTOEND=$(CURDIR)/$(BUILD_DIR)/tst_endtoend -DTINTFORGE_BENCH=ON \
	        $(CMAKE_ARGS) >/dev/null
	@cmake --build $(WINDOWS_DIR) -j $(JOBS)
	@cmake --build $(WINDOWS_DIR) --target zip

# The model, output and window tests under Wine, then the Windows program end to end in Wine,
# driven by the end-to-end test of the Linux tree.
windows-test: windows build
	@cd $(WINDOWS_DIR) && xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure -j $(JOBS)

# Draws the banner and the icons again into the tree, after a change to their generators.
artwork:
	@tools/install-deps.sh test
	@cmake -S . -B build-artwork -DBUILD_TESTING=OFF -DTINTFORGE_ARTWORK=ON >/dev/null
	@cmake --build build-artwork -j $(JOBS) --target artwork

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz build-bench build-artwork build-release build-clang \
	    $(WINDOWS_DIR)
