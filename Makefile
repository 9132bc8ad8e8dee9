# SPDX-FileCopyrightText: 2026 The Cuescroll developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cuescroll: `make run` builds and starts the prompter, `make test` builds and runs the whole suite.
# `make run RUN_ARGS=--version` builds the same and runs the program with those arguments instead.
BUILD      ?= build
BUILD_SAN  ?= build-sanitize
BUILD_FUZZ ?= build-fuzz
FUZZ_SECONDS ?= 60
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)
# Both sets of packages install ninja-build, so the generator never depends on what was there before.
GENERATOR  ?= Ninja
RUN_ARGS   ?=

.PHONY: all deps deps-test configure configure-test build run test test-sanitize fuzz format-check bench \
        package install clean

all: build

# What building and running need, all from Debian; deps-test adds the tests' tools (among them nodejs
# and npm, whose tests fetch packages from the npm registry).
deps:
	@./scripts/install-deps
deps-test:
	@./scripts/install-deps --tests

# configure-tree(DIR, CMake arguments): a tree once configured for another generator (an older
# checkout, a machine without ninja then) is configured afresh rather than failing until `make clean`.
# CMake runs every time, so tools installed since the last run are found.
define configure-tree
	@cached=$$(sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' $(1)/CMakeCache.txt 2>/dev/null); \
	if [ -n "$$cached" ] && [ "$$cached" != "$(GENERATOR)" ]; then \
	  echo "$(1) was configured for $$cached: configuring it afresh for $(GENERATOR)"; \
	  rm -rf $(1)/CMakeCache.txt $(1)/CMakeFiles; \
	fi
	cmake -S . -B $(1) -G "$(GENERATOR)" $(2)
endef

configure: deps
	$(call configure-tree,$(BUILD),-DCMAKE_BUILD_TYPE=$(BUILD_TYPE))

configure-test: deps-test
	$(call configure-tree,$(BUILD),-DCMAKE_BUILD_TYPE=$(BUILD_TYPE))

# Everything, the tests and benchmarks among it.
build: configure-test
	cmake --build $(BUILD) -j $(JOBS)

# The program and the modules it loads, nothing of the tests.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target cuescroll cuescroll_modules
	./$(BUILD)/bin/cuescroll $(RUN_ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps-test
	$(call configure-tree,$(BUILD_SAN),-DCMAKE_BUILD_TYPE=Debug -DCUESCROLL_SANITIZE=ON -DCUESCROLL_BENCH=OFF)
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# Every reader of outside data under libFuzzer, ASan and UBSan, FUZZ_SECONDS each (clang-14).
fuzz: deps-test
	BUILD_FUZZ=$(BUILD_FUZZ) FUZZ_SECONDS=$(FUZZ_SECONDS) ./scripts/fuzz

# Every C++ file as the repository's .clang-format lays it out; changes nothing.
format-check: deps-test
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

# A Debian package (build/cuescroll_<version>_<arch>.deb), and installing under PREFIX.
package: build
	cd $(BUILD) && cpack -G DEB
	dpkg-deb --info $(BUILD)/cuescroll_*.deb

PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# One table: medians of several runs, and instruction counts under callgrind. bench/measure-gui
# measures the running program on a virtual display.
bench: build
	./bench/table $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ)
