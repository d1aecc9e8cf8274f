# SPDX-License-Identifier: MIT
# The two everyday commands: `make run` and `make test`. Both install what is missing first;
# `make run` only what building and running the program needs. `make check` before every commit.
# Each build is a preset of CMakePresets.json, so an IDE opens the very same builds.
PRESET ?= default
# Where a preset builds, as CMakePresets.json says (its binaryDir).
preset_dir = $(shell sed -n '/"name": "$(1)"/,/binaryDir/s|.*"binaryDir": "$${sourceDir}/\([^"]*\)".*|\1|p' CMakePresets.json)
CLANG_DIR := $(call preset_dir,clang)
FUZZING_DIR := $(call preset_dir,fuzzing)
BENCH_DIR := $(call preset_dir,bench)
WINDOWS_DIR := $(call preset_dir,windows)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60
BENCH_RUNS ?= 31
# Extra configure options, e.g. CMAKE_ARGS=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON.
CMAKE_ARGS ?=
STRICT = -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
# CI (CI=true) builds everything with warnings as errors.
ifeq ($(CI),true)
CMAKE_ARGS += $(STRICT)
endif
# The screen of the X server the benchmarks and the Windows suite run in (the tests take theirs
# from CMakeLists.txt).
XVFB_SCREEN = 1024x768x24

.PHONY: all run test build check sanitize fuzz bench artwork windows windows-test clean

all: build

# Configures only once: later runs leave the build tree alone, so a second `make run` with
# nothing changed compiles and links nothing.
run:
	@tools/install-deps.sh run
	@test -f $(call preset_dir,$(PRESET))/CMakeCache.txt || \
	    cmake --preset $(PRESET) -DBUILD_TESTING=OFF $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset $(PRESET) -j $(JOBS) --target tintforge
	@$(call preset_dir,$(PRESET))/tintforge

build:
	@tools/install-deps.sh test
	@cmake --preset $(PRESET) -DBUILD_TESTING=ON $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset $(PRESET) -j $(JOBS)

test: build
	@ctest --preset $(PRESET) -j $(JOBS)

# Before every commit, and in CI: every C++ file as .clang-format lays it out, the whole tree
# built with clang and the strict warning set as errors, and clang-tidy over all it compiled.
check:
	@tools/install-deps.sh test
	@git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
	@cmake --preset clang $(STRICT) $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset clang -j $(JOBS)
	@run-clang-tidy -quiet -j $(JOBS) -p $(CLANG_DIR) '$(CURDIR)/(src|tests|tools)/.*\.cpp$$' \
	    >$(CLANG_DIR)/clang-tidy.log 2>&1 || { grep -v -e '^clang-tidy-' -e 'warnings generated' $(CLANG_DIR)/clang-tidy.log; exit 1; }

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer; any report fails.
# Leaks inside system libraries are suppressed by name (tests/sanitizers/lsan.supp).
sanitize:
	@tools/install-deps.sh test
	@cmake --preset sanitizers $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset sanitizers -j $(JOBS)
	@ctest --preset sanitizers -j $(JOBS)

# libFuzzer over the composition's operations, the script writer with injected faults, the
# script reader on any bytes, the fields' character filter and path joining; every layer is
# instrumented. FUZZ_SECONDS=600 for a long run.
fuzz:
	@tools/install-deps.sh test
	@cmake --preset fuzzing $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset fuzzing -j $(JOBS)
	@mkdir -p $(FUZZING_DIR)/corpus
	@$(FUZZING_DIR)/fuzz_operations -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZING_DIR)/corpus

# Under Xvfb: time to the first complete paint and peak memory of the program against three
# floors (a bare window, one showing a line of text, one showing a control of each kind besides);
# then the time from Make until both files are closed and until "Save as..." shows over big
# folders. The programs get a runtime folder of their own, as a desktop session gives them.
# Where the Windows program is built (make windows), the same start-up figures for it and its
# floors under Wine, and the size of the exe.
bench:
	@tools/install-deps.sh test
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench -j $(JOBS)
	@export XDG_RUNTIME_DIR=$$(mktemp -d) && \
	    xvfb-run -a -s "-screen 0 $(XVFB_SCREEN)" $(BENCH_DIR)/startbench $(BENCH_RUNS) \
	        $(BENCH_DIR)/bench_floor $(BENCH_DIR)/bench_floor_text $(BENCH_DIR)/bench_floor_controls \
	        $(BENCH_DIR)/tintforge && \
	    QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/waitbench 5 5000 100000; \
	    status=$$?; rm -rf "$$XDG_RUNTIME_DIR"; exit $$status
	@if [ -f $(WINDOWS_DIR)/CMakeCache.txt ]; then XVFB_SCREEN=$(XVFB_SCREEN) tools/windows/bench-wine.sh $(WINDOWS_DIR) $(BENCH_DIR) $(BENCH_RUNS); fi

# The Windows program, "VorlixOrv's Tintforge.exe", and its zip, cross-built with MinGW-w64
# against a static Qt; configured afresh when that Qt is another one than the build knows. That Qt is built once per machine from Debian's qt6-base source into a
# cache outside the clone (docs/windows.md says how long the first run took).
windows:
	@tools/install-deps.sh windows
	@export TINTFORGE_WINDOWS_QT=$$(tools/windows/build-qt.sh) && \
	    fresh=$$(grep -qF "Qt6_DIR:PATH=$$TINTFORGE_WINDOWS_QT/" $(WINDOWS_DIR)/CMakeCache.txt 2>/dev/null || \
	        echo --fresh) && \
	    cmake --preset windows $$fresh $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset windows -j $(JOBS)
	@cmake --build --preset windows-zip

# The model, output and window tests under Wine, then the Windows program end to end in Wine,
# driven by the end-to-end test of the Linux tree.
windows-test: windows build
	@xvfb-run -a -s "-screen 0 $(XVFB_SCREEN)" ctest --preset windows -j $(JOBS)

# Draws the banner and the icons again into the tree, after a change to their generators.
artwork:
	@tools/install-deps.sh test
	@cmake --preset artwork >/dev/null
	@cmake --build --preset artwork

clean:
	rm -rf $(shell sed -n 's|.*"binaryDir": "$${sourceDir}/\([^"]*\)".*|\1|p' CMakePresets.json)
