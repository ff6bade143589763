# The two commands of the README: `make run` and `make test`. Each first
# installs whatever build and test dependencies the machine is missing.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= 2
WERROR     ?= OFF

PACKAGES := cmake g++ make pkg-config libsdl2-dev libpng-dev libgtest-dev libgmock-dev \
            libbenchmark-dev xvfb xdotool openbox wmctrl x11-apps

.PHONY: all deps build run test test-asan clean format

all: build

deps:
	@missing=""; \
	for package in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$package 2>/dev/null | grep -q 'install ok installed' || \
	    missing="$$missing $$package"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DTESSELLE_WERROR=$(WERROR)
	cmake --build $(BUILD) -j$(JOBS)

run: build
	cd demo && ../$(BUILD)/tesselle Areas.out

# The whole suite, then again under AddressSanitizer and UBSan (the desktop
# smoke test and the benchmark run are left to the plain build).
test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory test-asan

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTESSELLE_SANITIZE=ON \
	  -DTESSELLE_DESKTOP=OFF -DTESSELLE_WERROR=$(WERROR)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS) -E 'benchmarks_run'

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
