# The two commands of the README: `make run` and `make test`. Each first
# installs whatever build and test dependencies the machine is missing.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= 2
WERROR     ?= OFF

# What the program needs to build, then what the tests and benchmarks add.
RUN_PACKAGES := cmake g++ make pkg-config libsdl2-dev libpng-dev
PACKAGES := $(RUN_PACKAGES) python3 libgtest-dev libgmock-dev \
            libbenchmark-dev xvfb xdotool openbox wmctrl x11-apps tiled

# `make run` edits the user's own copy of the demo set, never the build's.
RUN_DIR    ?= $(HOME)/tesselle-demo

PREFIX     ?= /usr/local
DESTDIR    ?=

.PHONY: all deps build run run-dir test test-asan clean format install uninstall bench-desktop

# $(call install_missing,PACKAGES): apt-get installs those not installed yet.
install_missing = missing=""; \
	for package in $(1); do \
	  dpkg-query -W -f='$${Status}' $$package 2>/dev/null | grep -q 'install ok installed' || \
	    missing="$$missing $$package"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq --no-install-recommends $$missing; \
	fi

all: build

deps:
	@$(call install_missing,$(PACKAGES))

build: deps
	cmake -S . -B $(BUILD) -DTESSELLE_WERROR=$(WERROR) -DTESSELLE_TESTS=ON
	cmake --build $(BUILD) -j$(JOBS)

# Only the desktop program and the demo data are built for a run; the tests
# and benchmarks wait for `make test`.
run: run-dir
	cd $(RUN_DIR) && $(abspath $(BUILD))/tesselle Areas.out

# The demo set copied into RUN_DIR the first time; a file already there is
# never overwritten, so the user's edits stay.
run-dir:
	@$(call install_missing,$(RUN_PACKAGES))
	cmake -S . -B $(BUILD) -DTESSELLE_WERROR=$(WERROR) -DTESSELLE_TESTS=OFF
	cmake --build $(BUILD) -j$(JOBS) --target tesselle demo-data
	sh packaging/copy_demo.sh $(BUILD)/demo $(RUN_DIR)

# The programs, the tools, a menu entry with its icon, the demo set and the
# README under PREFIX; DESTDIR stages them elsewhere, as packagers do.
install: build
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	DESTDIR=$(DESTDIR) cmake --install $(BUILD)

# Removes what the last `make install` put in place.
uninstall:
	DESTDIR=$(DESTDIR) cmake --build $(BUILD) --target uninstall

# The desktop program's launch time, idle CPU and memory beside Tiled's.
bench-desktop: build
	bash bench/desktop_figures.sh $(BUILD)/tesselle $(BUILD)/demo

# The whole suite, then again under AddressSanitizer and UBSan (the desktop
# smoke test and the benchmark run are left to the plain build), then the
# browser build's test in chromium.
test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory test-asan
	$(MAKE) --no-print-directory test-web

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTESSELLE_SANITIZE=ON \
	  -DTESSELLE_DESKTOP=OFF -DTESSELLE_WERROR=$(WERROR)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS) -E 'benchmarks_run'

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WEB_BUILD)

# The Windows build: tesselle.exe cross-compiled with mingw-w64, statically
# linked, and its smoke test under Wine on a virtual X server. The smoke test
# compares with the headless front end, so it builds that and the demo data too.
WIN_BUILD ?= build-win
WIN_PACKAGES := cmake make g++-mingw-w64-x86-64
WIN_TEST_PACKAGES := wine wine64 xvfb xdotool x11-apps

.PHONY: windows test-windows

windows:
	@$(call install_missing,$(WIN_PACKAGES))
	cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DTESSELLE_TESTS=OFF -DTESSELLE_DESKTOP=OFF \
	  -DTESSELLE_WERROR=$(WERROR)
	cmake --build $(WIN_BUILD) -j$(JOBS) --target tesselle

test-windows: windows
	@$(MAKE) --no-print-directory deps
	@$(call install_missing,$(WIN_TEST_PACKAGES))
	cmake -S . -B $(BUILD) -DTESSELLE_WERROR=$(WERROR) -DTESSELLE_TESTS=ON
	cmake --build $(BUILD) -j$(JOBS) --target tesselle-headless demo-data picture-compare
	bash tests/windows_smoke.sh $(WIN_BUILD)/tesselle.exe $(BUILD)/tesselle-headless $(BUILD)/demo \
	  $(BUILD)/tests/picture-compare

# The browser build: the program compiled to WebAssembly with Debian's
# emscripten into build-web/ (index.html, tesselle.js, tesselle.wasm and the
# demo set as tesselle.data), served on 127.0.0.1, and its test in Debian's
# chromium driven by puppeteer-core from the lock file.
WEB_BUILD ?= build-web
PORT      ?= 8080
WEB_PACKAGES := cmake make emscripten
# emcc's JavaScript optimiser loads Debian's node modules, also under a node
# from elsewhere.
WEB_ENV := NODE_PATH=/usr/share/nodejs

.PHONY: web serve-web test-web bench-web node-deps

# node and npm from apt only when the machine has no working ones.
node-deps:
	@if ! node --version >/dev/null 2>&1 || ! npm --version >/dev/null 2>&1; then \
	  $(call install_missing,nodejs npm); \
	fi

web: node-deps
	@$(call install_missing,$(WEB_PACKAGES))
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release \
	  -DTESSELLE_WERROR=$(WERROR)
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j$(JOBS)

serve-web: web
	node platform/web/serve.mjs $(WEB_BUILD) $(PORT)

node_modules/.package-lock.json: package.json package-lock.json
	@$(MAKE) --no-print-directory node-deps
	npm ci --no-audit --no-fund

test-web: web node_modules/.package-lock.json
	@$(MAKE) --no-print-directory deps
	@$(call install_missing,chromium)
	cmake -S . -B $(BUILD) -DTESSELLE_WERROR=$(WERROR)
	cmake --build $(BUILD) -j$(JOBS) --target tesselle-headless demo-data picture-compare
	node tests/web/browser_test.mjs $(WEB_BUILD) $(BUILD)/tesselle-headless $(BUILD)/demo \
	  $(BUILD)/tests/picture-compare

# The browser build's size, first frame and present time beside its budgets.
bench-web: web node_modules/.package-lock.json
	@$(call install_missing,chromium)
	node bench/web_figures.mjs $(WEB_BUILD)
