# SPDX-License-Identifier: MIT
# The two commands that matter: `make run` and `make test`. Both install what is
# missing first, so a fresh Debian 12 machine needs nothing else.

SANITIZE ?= 0
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
DEB_BUILD_DIR ?= build-deb

ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
CMAKE_FLAGS += -DTESSERAN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
BUILD_DIR ?= build
CMAKE_FLAGS += -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

.PHONY: all deps configure build run test bench fuzz format format-check core-only install deb clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The game, its data file, its help and the simulator: no tests to wait for.
run: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tesseran tesseran_data_file tesseran_help tesseran-sim
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ "$$QT_QPA_PLATFORM" != offscreen ]; then \
	  echo "make run: no display to open the game window on (DISPLAY and WAYLAND_DISPLAY are empty)."; \
	  echo "make run: playing one simulated match instead:"; \
	  $(BUILD_DIR)/tesseran-sim --matches 1; \
	elif [ -x $(BUILD_DIR)/tesseran ]; then \
	  $(BUILD_DIR)/tesseran; \
	else \
	  $(BUILD_DIR)/tesseran-sim --matches 1; \
	fi

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tesseran-bench tesseran-table-bench tesseran-render-bench tesseran-memory-bench tesseran-snapshot-bench tesseran-statistics-bench
	@$(BUILD_DIR)/tesseran-bench
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tesseran-table-bench
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tesseran-render-bench
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tesseran-snapshot-bench
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tesseran-memory-bench
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tesseran-statistics-bench

# Every fuzz target for FUZZ_SECONDS (default 60) each, built with clang in
# build-fuzz; fails on any crash.
fuzz:
	@bash scripts/fuzz.sh

# The core on its own, with no Qt anywhere on the include path.
core-only: deps
	@cmake -S . -B build-core -DTESSERAN_WITH_QT=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build build-core -j $(JOBS)
	@cd build-core && ctest --output-on-failure -j $(JOBS)

# The game as a desktop application under $(PREFIX) (default /usr/local):
# bin/tesseran, share/tesseran/, the menu entry, the icons, the AppStream
# metainfo. DESTDIR=... stages it elsewhere, as usual.
install: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tesseran tesseran_data_file tesseran_help
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, from a Release build of its own:
# $(DEB_BUILD_DIR)/tesseran_<version>_<arch>.deb, installing under /usr.
deb: deps
	@cmake -S . -B $(DEB_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DTESSERAN_TESTS=OFF -DTESSERAN_BENCH=OFF >/dev/null
	@cmake --build $(DEB_BUILD_DIR) -j $(JOBS)
	@cd $(DEB_BUILD_DIR) && cpack -G DEB

format: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails, listing what differs, when a source file is not formatted as .clang-format says.
format-check: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	@rm -rf build build-sanitize build-core $(DEB_BUILD_DIR)
