# Vellmoor(tm) Slots: `make play` runs the game, `make test` builds and runs every test.
# Both install what is missing on a Debian machine first (as root, with apt-get).
SHELL := /bin/bash
NATIVE ?= build-native
NATIVE32 ?= build-native32
FUZZ   ?= build-fuzz
FUZZ32 ?= build-fuzz32
EMULATED ?= build-emulated
# Where the 32-bit writers are cross-compiled for their x87 check when BUILD is not the 32-bit build.
X87    ?= build-x87
BUILD64 ?= build64
# Seconds each fuzz target runs: in `make test`, and in `make fuzz`.
FUZZ_TEST_SECONDS ?= 15
FUZZ_SECONDS ?= 600
JOBS   ?= $(shell nproc)

# The game is a 32-bit program, and 32-bit Wine and the -m32 builds need a host that runs
# 32-bit x86 programs; some 64-bit hosts do not (the kernel answers "Exec format error").
# cmake/runs-32bit.sh finds out by running one. Where it cannot, the 64-bit Windows build
# in $(BUILD64) under 64-bit Wine is built, played and tested instead, and the 32-bit
# native and fuzz builds are left out; VSL_NO_32BIT=1 chooses that on purpose.
HOST_32BIT := $(shell VSL_NO_32BIT='$(VSL_NO_32BIT)' cmake/runs-32bit.sh && echo yes || echo no)
ifeq ($(HOST_32BIT),yes)
BUILD  ?= build
TOOLCHAIN := cmake/mingw-i686.cmake
export WINEARCH := win32
ARCH_PACKAGES := wine32:i386
# The 64-bit build is kept working beside the 32-bit one: `make test` builds it in
# $(BUILD64) and runs the tests whose names match this ctest -R expression there: the
# engine, every built-in machine loaded and spun, and the script host.
VSL64_SUBSET ?= ^(engine_.*|sprite_.*|tv_window_test|blit.*|content_built_in_machines_test|scripting_test)$$
else
$(info This host runs no 32-bit programs$(if $(filter 1,$(VSL_NO_32BIT)), (VSL_NO_32BIT=1)): the 64-bit Windows build in $(BUILD64)/ under 64-bit Wine is used.)
BUILD  ?= $(BUILD64)
TOOLCHAIN := cmake/mingw-x86_64.cmake
export WINEARCH := win64
ARCH_PACKAGES :=
endif

# The game is played in $(BUILD)/wineprefix; the tests have a prefix of their own.
export WINEPREFIX ?= $(CURDIR)/$(BUILD)/wineprefix
TEST_PREFIX := $(abspath $(BUILD))/test-prefix
TEST_PREFIX64 := $(abspath $(BUILD64))/test-prefix
export WINEDEBUG := -all
export WINEDLLOVERRIDES := mscoree,mshtml=

# g++-multilib and qemu-user-static build and run the content generator's platform-free part
# as a 32-bit program on every host (cmake/emulated-content.sh).
PACKAGES := wine wine64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools g++ g++-multilib cmake ninja-build \
            googletest xvfb xauth x11-apps openbox imagemagick fonts-liberation libstb-dev sox \
            clang-14 libclang-rt-14-dev qemu-user-static $(ARCH_PACKAGES)

.PHONY: all deps build build64 native native32 fuzz-build fuzz-build32 fuzz prefix test-prefix test-prefix64 test play clean

all: build

# apt-get update fails as a whole when one index does not download (a mirror caught
# mid-sync); it is tried twice, then the failed index is named and the install goes on from
# the lists there are. Only a failed install stops the build. The i386 architecture is
# added only when 32-bit packages are wanted.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	[ -z "$$missing" ] && exit 0; \
	echo "Installing:$$missing"; \
	$(if $(filter %:i386,$(PACKAGES)),dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386;) \
	log=$$(mktemp); updated=no; \
	for try in 1 2; do \
	  if apt-get update -qq >$$log 2>&1 && ! grep -q 'Failed to fetch' $$log; then updated=yes; break; fi; \
	done; \
	if [ $$updated = no ]; then \
	  echo "apt-get update failed twice; installing from the package lists at hand. It said:"; \
	  grep -E 'Failed to fetch|^E:' $$log | sed 's/^/  /'; \
	fi; \
	rm -f $$log; \
	DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null || \
	  { echo "Installing$$missing failed"; exit 1; }

# Configuring again each time is cheap and picks up folders that were added since; the
# generator and the toolchain are given only to a new build folder (a cache keeps them).
configure = cmake -S . -B $(1) $(if $(wildcard $(1)/CMakeCache.txt),,-G Ninja $(2)) >/dev/null

build: deps
	$(call configure,$(BUILD),-DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN))
	cmake --build $(BUILD) -j $(JOBS)

# The 64-bit Windows build (the one `build` makes where 32-bit programs do not run).
build64: deps
	$(call configure,$(BUILD64),-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake)
	cmake --build $(BUILD64) -j $(JOBS)

native: deps
	$(call configure,$(NATIVE))
	cmake --build $(NATIVE) -j $(JOBS)

# The same platform-free code as 32-bit x86, the pointer size the game has; where 32-bit
# programs do not run, neither can its tests, and it is not built.
ifeq ($(HOST_32BIT),yes)
native32: deps
	$(call configure,$(NATIVE32),-DCMAKE_C_FLAGS=-m32 -DCMAKE_CXX_FLAGS=-m32)
	cmake --build $(NATIVE32) -j $(JOBS)
else
native32 fuzz-build32:
	@echo "$@: skipped, this host runs no 32-bit programs"
endif

# The libFuzzer targets over the readers of untrusted files (tests/fuzz), 64-bit and 32-bit.
FUZZ_CONFIG := -DVSL_FUZZ=ON -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
fuzz-build: deps
	$(call configure,$(FUZZ),$(FUZZ_CONFIG))
	cmake --build $(FUZZ) --target fuzz_targets -j $(JOBS)

ifeq ($(HOST_32BIT),yes)
fuzz-build32: deps
	$(call configure,$(FUZZ32),$(FUZZ_CONFIG) -DCMAKE_C_FLAGS=-m32 -DCMAKE_CXX_FLAGS=-m32)
	cmake --build $(FUZZ32) --target fuzz_targets -j $(JOBS)
endif

# Each target for FUZZ_SECONDS, two at a time; what they find stays in $(FUZZ)/fuzz-findings.
fuzz: fuzz-build $(if $(filter yes,$(HOST_32BIT)),fuzz-build32)
	rc=0; \
	JOBS=2 cmake/fuzz.sh $(FUZZ) $(FUZZ_SECONDS) || rc=1; \
	$(if $(filter yes,$(HOST_32BIT)),JOBS=2 cmake/fuzz.sh $(FUZZ32) $(FUZZ_SECONDS) || rc=1;) \
	exit $$rc

# The Wine prefixes of the build's word size (the game's and the tests'), each made once
# before anything runs in parallel in it. When Wine cannot make one, what wineboot said is
# shown, and the half-made prefix is not taken for a made one by the next make.
prefix: deps $(WINEPREFIX)/system.reg $(TEST_PREFIX)/system.reg
test-prefix: deps $(TEST_PREFIX)/system.reg
test-prefix64: deps $(TEST_PREFIX64)/system.reg
$(TEST_PREFIX64)/system.reg: export WINEARCH := win64
%/system.reg:
	mkdir -p $*
	@export WINEPREFIX=$*; log=$$(mktemp); \
	if ! WINEDEBUG=-all,err+all wineboot -i >$$log 2>&1 || ! wineserver -w || [ ! -f $@ ]; then \
	  echo "Making the $$WINEARCH Wine prefix $* failed; wineboot said:"; tr -d '\r' <$$log; \
	  rm -f $$log $@; exit 1; \
	fi; \
	rm -f $$log; cmake/wine-settings.sh; wineserver -w

# Where 32-bit programs run, the 64-bit build's subset runs too, after the 32-bit tests.
TEST_NEEDS := build native fuzz-build test-prefix \
              $(if $(filter yes,$(HOST_32BIT)),native32 fuzz-build32 build64 test-prefix64)
test: $(TEST_NEEDS)
	BUILD=$(BUILD) NATIVE=$(NATIVE) NATIVE32=$(NATIVE32) FUZZ=$(FUZZ) FUZZ32=$(FUZZ32) EMULATED=$(EMULATED) X87=$(X87) \
	FUZZ_TEST_SECONDS=$(FUZZ_TEST_SECONDS) JOBS=$(JOBS) TEST_PREFIX=$(TEST_PREFIX) VSL_HOST_32BIT=$(HOST_32BIT) \
	$(if $(filter yes,$(HOST_32BIT)),BUILD64=$(BUILD64) TEST_PREFIX64=$(TEST_PREFIX64) VSL64_SUBSET='$(VSL64_SUBSET)') \
	cmake/run-tests.sh

play: build $(WINEPREFIX)/system.reg
	BUILD=$(BUILD) cmake/play.sh

clean:
	rm -rf $(BUILD) $(BUILD64) $(NATIVE) $(NATIVE32) $(FUZZ) $(FUZZ32) $(EMULATED) $(X87)
