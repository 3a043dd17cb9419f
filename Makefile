# Vellmoor(tm) Slots: `make play` runs the game, `make test` builds and runs every test.
# Both install what is missing on a Debian machine first (as root, with apt-get).
SHELL := /bin/bash
BUILD  ?= build
NATIVE ?= build-native
JOBS   ?= $(shell nproc)

export WINEPREFIX ?= $(CURDIR)/$(BUILD)/wineprefix
export WINEARCH := win32
export WINEDEBUG := -all
export WINEDLLOVERRIDES := mscoree,mshtml=

PACKAGES := wine wine32:i386 wine64 g++-mingw-w64-i686 mingw-w64-tools g++ cmake ninja-build \
            googletest xvfb xauth x11-apps imagemagick fonts-liberation libstb-dev sox

.PHONY: all deps build native prefix test play clean

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

# Configuring again each time is cheap and picks up folders that were added since.
build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

native: deps
	cmake -S . -B $(NATIVE) -G Ninja >/dev/null
	cmake --build $(NATIVE) -j $(JOBS)

# The 32-bit Wine prefix, made once before anything runs in parallel in it.
prefix: deps $(WINEPREFIX)/system.reg
$(WINEPREFIX)/system.reg:
	mkdir -p $(WINEPREFIX)
	wineboot -i >/dev/null 2>&1; wineserver -w
	cmake/wine-settings.sh; wineserver -w

test: build native prefix
	BUILD=$(BUILD) NATIVE=$(NATIVE) JOBS=$(JOBS) cmake/run-tests.sh

play: build prefix
	BUILD=$(BUILD) cmake/play.sh

clean:
	rm -rf $(BUILD) $(NATIVE)
