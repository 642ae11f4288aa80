# The two commands of the README: `make run` and `make test`.
# Everything else here serves them, or the sanitizer run of CI.

PRESET ?= dev
PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins \
            libgl-dev xvfb xauth fonts-liberation2 fonts-dejavu-core
FUZZ_PACKAGES := clang libclang-rt-14-dev
BENCH_PACKAGES := hyperfine time python3

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: deps configure build run test test-asan bench fuzz fuzz-deps fuzz-run clean format

# Installs only what is missing; apt-get update runs only when something is.
define install_missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

run:
	@$(MAKE) --no-print-directory build PRESET=dev
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display found: start it as 'xvfb-run make run'."; exit 1; \
	fi
	./build/dev/bin/kx-konfigurator

test:
	@$(MAKE) --no-print-directory build PRESET=dev
	QT_QPA_PLATFORM=offscreen ctest --test-dir build/dev --output-on-failure --parallel 2

test-asan:
	@$(MAKE) --no-print-directory build PRESET=asan
	QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir build/asan --output-on-failure --parallel 2

# Never part of `make test`: measures against bench/bare_mdi.cpp and writes
# the table to bench/results.md.
bench:
	$(call install_missing,$(BENCH_PACKAGES))
	@$(MAKE) --no-print-directory build PRESET=bench
	python3 bench/run.py build/bench bench/results.md

fuzz-deps: deps
	$(call install_missing,$(FUZZ_PACKAGES))

fuzz: fuzz-deps
	cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build/fuzz

# Runs every fuzzer for FUZZ_SECONDS, starting from its seed corpus.
FUZZ_SECONDS ?= 60
fuzz-run: fuzz
	@for seeds in fuzz/corpus/*/; do \
	  name=$$(basename $$seeds); mkdir -p build/fuzz/corpus/$$name; \
	  ./build/fuzz/fuzz_$$name -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    build/fuzz/corpus/$$name $$seeds || exit 1; \
	done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
