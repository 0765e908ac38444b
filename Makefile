# 10-Finger Fingalo: set-up, build, run and test with two commands.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
PACKAGES   := g++ cmake make qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-qpa-plugins \
              libgl-dev libxkbcommon-dev fonts-liberation \
              desktop-file-utils appstream
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test test-asan bench soak fuzz screenshots package clean mutants

all: build

# Installs only what is missing, so a second run costs one dpkg query.
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing: $$missing"; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	    echo "fingalo needs a graphical session (no DISPLAY or WAYLAND_DISPLAY set); without one run: xvfb-run -a $(BUILD)/fingalo" >&2; \
	    exit 1; \
	fi
	$(BUILD)/fingalo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer, in a build folder of its own.
test-asan: deps
	@[ -f $(ASAN_BUILD)/CMakeCache.txt ] || cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DFINGALO_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench: build
	scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)

# The exercise under libFuzzer for FUZZ_SECONDS, seeded with every lesson line.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	@command -v clang++ >/dev/null || $(SUDO) apt-get install -y -qq clang libclang-rt-dev
	@[ -f $(FUZZ_BUILD)/CMakeCache.txt ] || CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFINGALO_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_uebung
	scripts/fuzz-korpus.sh lessons/lektionen.txt $(FUZZ_BUILD)/korpus
	$(FUZZ_BUILD)/fuzz_uebung -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ_BUILD)/korpus

# Ten million random actions on the real main window (about half an hour on two cores).
SOAK_STEPS ?= 10000000
soak: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen FINGALO_SAAT=$${FINGALO_SAAT:-$$(date +%s)} \
	    FINGALO_SCHRITTE=$(SOAK_STEPS) tests/tst_zufallssitzung

# The README's pictures, rendered offscreen from the real windows.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/screenshots docs

# A Debian package of the program with its desktop entry, metadata and icons.
package: build
	cd $(BUILD) && cpack -G DEB

# Small faults put into the sources one at a time: the share of them the suite catches, with the
# survivors, in build-mutanten/bericht.md. A sample of 400 takes about an hour on two cores;
# MUTANTS_ARGS= runs every mutant, MUTANTS_ARGS="--list" only lists them.
MUTANTS_ARGS ?= --limit 400 --seed 1
mutants: deps
	nice -n 19 /usr/bin/python3 scripts/mutanten.py $(MUTANTS_ARGS)
