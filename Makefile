# Brevane: set-up, build, run and test in one command each.
#   make run    installs what is missing, builds, starts Brevane on its default data folder
#   make test   installs what is missing, builds, runs the whole test suite
#   make build  only builds

BUILD_DIR ?= build
JOBS      ?= 2
PREFIX    ?= /usr/local
CMAKE_FLAGS ?=

PACKAGES := cmake make g++ pkg-config \
	qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-image-formats-plugins qt6-translations-l10n \
	unixodbc unixodbc-dev libsqliteodbc sqlite3 libsqlite3-dev \
	libgtest-dev libbenchmark-dev \
	fonts-liberation2 fonts-dejavu-core xvfb xauth \
	desktop-file-utils appstream \
	libnova-dev libexiv2-dev exiv2 python3-ephem \
	qt6-charts-dev libqt6opengl6-dev \
	libarchive-dev gpsbabel \
	postgresql odbc-postgresql \
	clang-format clang-tidy

.PHONY: all deps configure build run test test-sanitize format format-check lint install demo screenshots bench fuzz clean

all: build

# Installs only the Debian packages that are missing: as root directly, through
# sudo when there is one, otherwise prints the one command to run.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installation des paquets manquants :$$missing"; \
	    DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null && \
	    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing >/dev/null; \
	  elif command -v sudo >/dev/null 2>&1; then \
	    echo "Installation des paquets manquants (sudo) :$$missing"; \
	    sudo DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null && \
	    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing >/dev/null; \
	  else \
	    echo "Paquets manquants ; installez-les avec :"; \
	    echo "  apt-get install$$missing"; \
	    exit 1; \
	  fi; \
	fi

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ "$$QT_QPA_PLATFORM" != offscreen ]; then \
	  echo "Aucun écran graphique (DISPLAY n'est pas défini) : lancez Brevane sous Xvfb avec « xvfb-run -a $(BUILD_DIR)/brevane »."; \
	  exit 1; \
	fi
	./$(BUILD_DIR)/brevane $(ARGS)

# Every C++ file formatted as .clang-format says, the whole suite built with warnings as
# errors; then the data-layer and widget tests run once
# more under AddressSanitizer and UndefinedBehaviorSanitizer (test-sanitize, about eight more
# minutes on two cores). SANITIZE=0 leaves that run out while working on a change.
SANITIZE ?= 1

test: deps format-check
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_INSTALL_PREFIX=$(PREFIX) -DBREVANE_WERROR=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)
	@cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)
	@if [ "$(SANITIZE)" = 1 ]; then $(MAKE) --no-print-directory test-sanitize; fi

# The sanitized build lives in its own folder (-O1, see cmake/BrevaneChecks.cmake). It builds
# and runs the tests labelled "sanitized" in tests/CMakeLists.txt: the layers below the
# dialogs, where memory and arithmetic faults hide; the dialog tests would double the time.
SANITIZE_DIR ?= build-asan
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DBREVANE_SANITIZE=ON -DBREVANE_WERROR=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(SANITIZE_DIR) -j$(JOBS) --target brevane_sanitized_tests
	@cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j$(JOBS) -L sanitized

# Formatting with the checked-in .clang-format: `make format` rewrites, `make format-check`
# fails on the first file that differs.
format:
	@git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i

format-check:
	@git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

# clang-tidy with the checked-in .clang-tidy over the program's own sources (not tests, not
# generated files), from the compile commands of the build.
lint: build
	@run-clang-tidy -quiet -p $(BUILD_DIR) -j $(JOBS) '^$(CURDIR)/(db|catalog|store|widgets|ui|app|tools)/.*\.cpp$$' >$(BUILD_DIR)/lint.log 2>&1 \
	  || { grep -E 'warning:|error:' $(BUILD_DIR)/lint.log; exit 1; }
	@echo "clang-tidy : aucun avertissement."

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)

# libFuzzer runs (clang) of the date parser, the SQL builders and the picture loader, each for
# FUZZ_SECONDS, starting from the seed corpus under tests/fuzz/corpus.
FUZZ_SECONDS ?= 60

fuzz: deps
	@$(MAKE) --no-print-directory deps PACKAGES="clang-14 libclang-rt-14-dev"
	@bash tests/fuzz/run.sh $(FUZZ_SECONDS)

# A sample catch log of its own (300 catches over 5 years, 2 albums of 12 photos), made once
# in $(DEMO_DIR), and Brevane started on it.
DEMO_DIR ?= $(BUILD_DIR)/demo

demo: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ "$$QT_QPA_PLATFORM" != offscreen ]; then \
	  echo "Aucun écran graphique (DISPLAY n'est pas défini) : lancez la démonstration sous Xvfb avec « xvfb-run -a make demo »."; \
	  exit 1; \
	fi
	@if [ ! -f $(DEMO_DIR)/brevane.db ]; then \
	  ./$(BUILD_DIR)/brevane-samplelog --data-dir $(DEMO_DIR) --catches 300 --years 5 \
	    --albums 2 --photos-per-album 12 --photo-size 1600x1200 || { rm -rf $(DEMO_DIR); exit 1; }; \
	fi
	./$(BUILD_DIR)/brevane --data-dir $(DEMO_DIR) $(ARGS)

# Builds the program, the generator and the benchmarks (-DBREVANE_BUILD_BENCH=ON), then runs
# every benchmark on sample logs made once in $(BUILD_DIR)/bench-logs (see bench/README.md).
bench: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_INSTALL_PREFIX=$(PREFIX) -DBREVANE_BUILD_BENCH=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS) --target brevane_benchmarks
	@bash bench/run.sh $(BUILD_DIR)

# Screenshots of the main screens for the README, saved into docs/. A small sample log is made
# once in $(SHOTS_LOG); tools/screenshots/take.py then drives Brevane on it through the AT-SPI
# driver in $(GUI_TOOLS) (private D-Bus session and Xvfb screen). That driver needs the Debian
# packages python3-pyatspi dbus-x11 at-spi2-core xvfb xauth xdotool imagemagick x11-utils and
# installs the missing ones itself when run as root.
SHOTS_LOG ?= $(BUILD_DIR)/screenshots-log
GUI_TOOLS ?= /work/shared/tools/gui

screenshots: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS) --target brevane brevane-samplelog
	@if [ ! -f $(SHOTS_LOG)/brevane.db ]; then \
	  ./$(BUILD_DIR)/brevane-samplelog --data-dir $(SHOTS_LOG) --catches 80 --years 2 \
	    --albums 2 --photos-per-album 9 --photo-size 800x600 --seed 7 || { rm -rf $(SHOTS_LOG); exit 1; }; \
	fi
	@# The sample places are in France: their sun and moon times are shown in French time.
	@TZ=Europe/Paris W=$(abspath $(BUILD_DIR))/screenshots-gui $(GUI_TOOLS)/run-gui-script \
	  $(BUILD_DIR)/brevane tools/screenshots/take.py $(SHOTS_LOG) docs
