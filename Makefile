# make run   installs what is missing, builds and starts the game
# make test  the same set-up, then the whole test suite through CTest, in the
#            normal build and in a sanitizer build
# make install PREFIX=P   installs the game under P (default /usr/local)
# make package            builds the Debian package build/zelbo_<version>_<arch>.deb
# NO_DEPS=1  leaves the packages alone (CMake then names any that are missing)

# What building and playing needs; each other target adds its own tools.
RUN_PACKAGES := cmake ninja-build ccache g++ qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite \
                qt6-translations-l10n libgl-dev libxkbcommon-dev qt6-base-private-dev qt6-svg-dev \
                qt6-l10n-tools qt6-tools-dev gettext qt6-multimedia-dev
# The second test build is made with clang, its sanitizers and libFuzzer, so that both
# compilers check the code every time and the fuzz targets keep building; the benchmark
# library so that the benchmarks are built, and kept building, with the tests.
# The package test builds the .deb and reads it with lintian.
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev
TEST_PACKAGES := $(FUZZ_PACKAGES) libbenchmark-dev desktop-file-utils appstream \
                 dpkg-dev file lintian
PACKAGE_PACKAGES := dpkg-dev file
MEMCHECK_PACKAGES := valgrind

# A target's additions reach the deps step it runs first (target-specific variables are
# inherited by prerequisites).
PACKAGES := $(RUN_PACKAGES)
test: PACKAGES += $(TEST_PACKAGES)
fuzz: PACKAGES += $(FUZZ_PACKAGES)
memcheck: PACKAGES += $(MEMCHECK_PACKAGES)
package: PACKAGES += $(PACKAGE_PACKAGES)

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)
# The tests spend about half their time waiting on the event loop and its timers: two
# run on each core (the normal suite then takes 48 s instead of 89 s on two cores).
TEST_JOBS ?= $(shell echo $$(( $(JOBS) * 2 )))

.PHONY: all deps configure build build-all run test install package fuzz memcheck monkey clean

all: build

deps:
	@if [ -n "$(NO_DEPS)" ]; then echo "NO_DEPS set: no packages installed"; exit 0; fi; \
	missing=""; for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" \
	        || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake --preset default

# The game and what it reads at run time, nothing else.
build: configure
	cmake --build --preset default -j $(JOBS) --target juego

# Everything: the game, its installed files, the tests, the benchmarks and the simulator.
build-all: configure
	cmake --build --preset default -j $(JOBS)

run: build
	./build/zelbo

# The whole suite twice: the normal build (g++), then built with clang under AddressSanitizer
# and UndefinedBehaviorSanitizer, where any report fails the run; that build holds the fuzz
# targets too, whose short runs from their seeds are among its tests. The sanitizer build is
# made while the normal build's tests run, which leave a part of the machine idle; its output
# goes to build-asan/build.log, and what failed in it is shown.
test: build-all
	cmake --preset asan
	@echo "== the sanitizer build, beside the tests: build-asan/build.log"
	ctest --preset default -j $(TEST_JOBS) & \
	cmake --build --preset asan -j $(JOBS) >build-asan/build.log 2>&1; construida=$$?; \
	wait $$!; probada=$$?; \
	[ $$construida = 0 ] || sed -n '/^FAILED:/,$$p' build-asan/build.log; \
	[ $$probada = 0 ] && [ $$construida = 0 ]
	ctest --preset asan -j $(TEST_JOBS)

PREFIX ?= /usr/local

install: build-all
	cmake --install build --prefix $(PREFIX)

# dpkg-shlibdeps (dpkg-dev) works out the package's library dependencies.
package: build-all
	cmake --build --preset default --target package

# make fuzz SECONDS=600   storage tests under ASan/UBSan (the sanitizer build of make test),
#                         then each fuzzer for SECONDS seconds
SECONDS ?= 600

fuzz: deps
	cmake --preset asan
	cmake --build --preset fuzz -j $(JOBS)
	ctest --preset fuzz
	@for name in itemreader savedgamefile cargarjuego keptgame statistics; do \
	    mkdir -p build-asan/corpus/$$name build-asan/artifacts && \
	    echo "== fuzz_$$name, $(SECONDS) s" && \
	    ./build-asan/fuzz/fuzz_$$name build-asan/corpus/$$name tests/storage/fuzz/seeds/$$name \
	        -max_total_time=$(SECONDS) -print_final_stats=1 \
	        -artifact_prefix=build-asan/artifacts/ || exit 1; \
	done

# make memcheck  the simulator under valgrind: 200 checked games, no memory error, no definite leak
memcheck: configure
	cmake --build --preset default -j $(JOBS) --target zelbo-sim
	valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
	    ./build/zelbo-sim --games 200 --seed 1 --check

# make monkey EVENTS=N SEED=S   the random-input soak of the main window (offscreen)
EVENTS ?= 1000000
SEED ?= $(shell date +%s)

monkey: configure
	cmake --build --preset default -j $(JOBS) --target tst_board
	ZELBO_MONKEY_EVENTS=$(EVENTS) ZELBO_MONKEY_SEED=$(SEED) QT_QPA_PLATFORM=offscreen \
	    ZELBO_TRANSLATIONS_DIR=$(CURDIR)/build/translations \
	    QTEST_FUNCTION_TIMEOUT=864000000 ./build/tests/tst_board TstBoardMonkey

clean:
	rm -rf build build-asan
