# 10-Finger Fingalo: set-up, build, run and test with two commands.
# The build folders of the presets in CMakePresets.json.
BUILD      := build
ASAN_BUILD := build-asan
JOBS       ?= $(shell nproc)
PACKAGES   := g++ cmake make clang-format qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-base-private-dev qt6-qpa-plugins libxcb1-dev \
              libgl-dev libxkbcommon-dev fonts-liberation \
              desktop-file-utils appstream
# The desktop test: X server, German layout, window manager, Wayland compositor, input method,
# session and accessibility buses, screen reader, and another program to drag text from.
DESKTOP_PACKAGES := xvfb xauth x11-xkb-utils x11-utils xdotool xclip openbox weston qt6-wayland \
              wl-clipboard ibus dbus-daemon dbus-bin at-spi2-core python3-gi python3-pyatspi \
              python3-dogtail gir1.2-gtk-3.0 orca
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps deps-desktop build run test test-desktop test-asan bench soak fuzz screenshots \
        package clean mutants

all: build

# Installs only the packages of the list given that are missing, so a second run costs one dpkg
# query each.
define install_missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing: $$missing"; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

deps-desktop:
	$(call install_missing,$(DESKTOP_PACKAGES))

# WERROR=ON turns compiler warnings into errors (CI does).
WERROR ?= OFF

build: deps
	@cmake --preset default -DFINGALO_WERROR=$(WERROR) > /dev/null
	cmake --build --preset default -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	    echo "fingalo needs a graphical session (no DISPLAY or WAYLAND_DISPLAY set); without one run: xvfb-run -a $(BUILD)/fingalo" >&2; \
	    exit 1; \
	fi
	$(BUILD)/fingalo

# `make test CTEST_ARGS=-LE\ langsam` leaves out the minute-long random session. The desktop
# tests run on their own (test-desktop).
test: build
	ctest --preset default -j $(JOBS) $(CTEST_ARGS)

# The real program on the desktops learners use (X11 with a window manager, IBus, Wayland),
# driven with real keys and read back through the accessibility bus and a screen reader; logs in
# $(BUILD)/tests/desktop/<desktop>. `make test-desktop CTEST_ARGS=-R\ x11` runs one desktop.
test-desktop: build deps-desktop
	ctest --test-dir $(BUILD) -L desktop -j $(JOBS) -V $(CTEST_ARGS)

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer, in a build folder of its own.
test-asan: deps
	@cmake --preset asan -DFINGALO_WERROR=$(WERROR) > /dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS) $(CTEST_ARGS)

bench: build
	bench/alle.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD)

# The exercise under libFuzzer for FUZZ_SECONDS, seeded with every lesson line.
FUZZ_BUILD   := build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	@command -v clang++ >/dev/null || $(SUDO) apt-get install -y -qq clang libclang-rt-dev
	@cmake --preset fuzz > /dev/null
	cmake --build --preset fuzz -j $(JOBS)
	tests/fuzz/korpus.sh lessons/lektionen.txt $(FUZZ_BUILD)/korpus
	$(FUZZ_BUILD)/fuzz_uebung -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ_BUILD)/korpus

# Ten million random actions on the real main window (about half an hour on two cores).
SOAK_STEPS ?= 10000000
soak: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen FINGALO_SAAT=$${FINGALO_SAAT:-$$(date +%s)} \
	    FINGALO_SCHRITTE=$(SOAK_STEPS) tests/tst_zufallssitzung

# The README's pictures, rendered offscreen from the real windows.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/screenshots docs

# A Debian package of the program with its desktop entry, metadata and icons, built without the
# tests in a folder of its own.
PACKAGE_BUILD := build-paket
package: deps
	@cmake --preset paket -DFINGALO_WERROR=$(WERROR) > /dev/null
	cmake --build --preset paket -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB

# Small faults put into the sources one at a time: the share of them the suite catches, with the
# survivors, in build-mutanten/bericht.md. A sample of 400 takes about an hour on two cores;
# MUTANTS_ARGS= runs every mutant, MUTANTS_ARGS="--list" only lists them.
MUTANTS_ARGS ?= --limit 400 --seed 1
mutants: deps
	nice -n 19 /usr/bin/python3 scripts/mutanten.py $(MUTANTS_ARGS)
