# Vellmoor(tm) Slots: `make play` runs the game, `make test` builds and runs every test.
# Both install what is missing on a Debian machine first (as root, with apt-get).
SHELL := /bin/bash
BUILD  ?= build
NATIVE ?= build-native
NATIVE32 ?= build-native32
FUZZ   ?= build-fuzz
FUZZ32 ?= build-fuzz32
# Seconds each fuzz target runs: in `make test`, and in `make fuzz`.
FUZZ_TEST_SECONDS ?= 15
FUZZ_SECONDS ?= 600
JOBS   ?= $(shell nproc)

# The game is played in $(BUILD)/wineprefix; the tests have a prefix of their own.
export WINEPREFIX ?= $(CURDIR)/$(BUILD)/wineprefix
TEST_PREFIX := $(abspath $(BUILD))/test-prefix
export WINEARCH := win32
export WINEDEBUG := -all
export WINEDLLOVERRIDES := mscoree,mshtml=

PACKAGES := wine wine32:i386 wine64 g++-mingw-w64-i686 mingw-w64-tools g++ cmake ninja-build \
            googletest xvfb xauth x11-apps imagemagick fonts-liberation libstb-dev g++-multilib sox \
            clang-14 libclang-rt-14-dev

.PHONY: all deps build native native32 fuzz-build fuzz-build32 fuzz prefix test-prefix test play clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	fi

# Configuring again each time is cheap and picks up folders that were added since; the
# generator and the toolchain are given only to a new build folder (a cache keeps them).
configure = cmake -S . -B $(1) $(if $(wildcard $(1)/CMakeCache.txt),,-G Ninja $(2)) >/dev/null

build: deps
	$(call configure,$(BUILD),-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake)
	cmake --build $(BUILD) -j $(JOBS)

native: deps
	$(call configure,$(NATIVE))
	cmake --build $(NATIVE) -j $(JOBS)

# The same platform-free code as 32-bit x86, the pointer size the game has.
native32: deps
	$(call configure,$(NATIVE32),-DCMAKE_C_FLAGS=-m32 -DCMAKE_CXX_FLAGS=-m32)
	cmake --build $(NATIVE32) -j $(JOBS)

# The libFuzzer targets over the readers of untrusted files (tests/fuzz), 64-bit and 32-bit.
FUZZ_CONFIG := -DVSL_FUZZ=ON -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
fuzz-build: deps
	$(call configure,$(FUZZ),$(FUZZ_CONFIG))
	cmake --build $(FUZZ) --target fuzz_targets -j $(JOBS)

fuzz-build32: deps
	$(call configure,$(FUZZ32),$(FUZZ_CONFIG) -DCMAKE_C_FLAGS=-m32 -DCMAKE_CXX_FLAGS=-m32)
	cmake --build $(FUZZ32) --target fuzz_targets -j $(JOBS)

# Each target for FUZZ_SECONDS, two at a time; what they find stays in $(FUZZ)/fuzz-findings.
fuzz: fuzz-build fuzz-build32
	rc=0; \
	JOBS=2 cmake/fuzz.sh $(FUZZ) $(FUZZ_SECONDS) || rc=1; \
	JOBS=2 cmake/fuzz.sh $(FUZZ32) $(FUZZ_SECONDS) || rc=1; \
	exit $$rc

# The 32-bit Wine prefixes (the game's and the tests'), each made once before anything
# runs in parallel in it.
prefix: deps $(WINEPREFIX)/system.reg $(TEST_PREFIX)/system.reg
test-prefix: deps $(TEST_PREFIX)/system.reg
%/system.reg:
	mkdir -p $*
	export WINEPREFIX=$*; wineboot -i >/dev/null 2>&1; wineserver -w; cmake/wine-settings.sh; wineserver -w

test: build native native32 fuzz-build fuzz-build32 test-prefix
	BUILD=$(BUILD) NATIVE=$(NATIVE) NATIVE32=$(NATIVE32) FUZZ=$(FUZZ) FUZZ32=$(FUZZ32) \
	FUZZ_TEST_SECONDS=$(FUZZ_TEST_SECONDS) JOBS=$(JOBS) TEST_PREFIX=$(TEST_PREFIX) cmake/run-tests.sh

play: build $(WINEPREFIX)/system.reg
	BUILD=$(BUILD) cmake/play.sh

clean:
	rm -rf $(BUILD) $(NATIVE) $(NATIVE32) $(FUZZ) $(FUZZ32)
