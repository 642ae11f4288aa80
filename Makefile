# The two commands of the README: `make run` and `make test`.
# Everything else here serves them, the sanitizer run of CI, or delivery:
# install, package, screenshots.

PRESET ?= dev
PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n \
            libgl-dev xvfb xauth fonts-liberation2 fonts-dejavu-core \
            at-spi2-core dbus-daemon dbus-bin python3 python3-pyatspi python3-gi gir1.2-atspi-2.0 \
            shared-mime-info xdg-utils libfile-mimeinfo-perl libglib2.0-bin poppler-utils
FUZZ_PACKAGES := clang libclang-rt-14-dev
# dpkg-shlibdeps and file work out the .deb's dependencies.
PACKAGE_PACKAGES := dpkg-dev file
# make package-check reads the manual page and validates the metainfo.
PACKAGE_CHECK_PACKAGES := man-db appstream
BENCH_PACKAGES := hyperfine time python3 valgrind
FORMAT_PACKAGES := clang-format

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: deps configure build run test test-asan bench fuzz fuzz-deps fuzz-run clean format format-check \
        install package package-check screenshots

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

# Only what the window needs: the program, its text files and guides.
# `make test` builds the rest.
run:
	@$(MAKE) --no-print-directory configure PRESET=dev
	cmake --build --preset dev --target kx-konfigurator
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
# the table to bench/results.md. Builds only what it runs: the two start-up
# programs, the in-process benchmarks and the program (for its datasheet).
BENCH_TARGETS := kx-start-bench bare-mdi kx-bench kx-konfigurator
bench:
	$(call install_missing,$(BENCH_PACKAGES))
	@$(MAKE) --no-print-directory configure PRESET=bench
	cmake --build --preset bench --target $(BENCH_TARGETS)
	python3 bench/run.py build/bench bench/results.md

# The program installed for the user who runs it: ~/.local/opt/kx-konfigurator,
# with its menu entry and icon under ~/.local/share. PREFIX=... installs elsewhere.
PREFIX ?=
INSTALL_TARGETS := kx-konfigurator kx_data kx_icons kx_manual
install:
	@$(MAKE) --no-print-directory configure PRESET=release
	cmake --build --preset release --target $(INSTALL_TARGETS)
	cmake --install build/release $(if $(PREFIX),--prefix "$(PREFIX)")

# build/package/: a .deb (program in /opt/kx-konfigurator, menu entry and
# icons under /usr/share) and a .tar.gz of the program folder.
package: deps
	$(call install_missing,$(PACKAGE_PACKAGES))
	cmake --preset package
	cmake --build --preset package --target $(INSTALL_TARGETS)
	cd build/package && cpack
	@ls -1 build/package/*.deb build/package/*.tar.gz

# Installs the .deb, starts it from its menu entry under Xvfb, uses it as
# users of its own, removes it.
package-check: package
	$(call install_missing,$(PACKAGE_CHECK_PACKAGES))
	$(SUDO) packaging/check_deb.sh build/package/kx-konfigurator_*.deb

# docs/*.png: the program driven under Xvfb on its real window system.
SCREEN ?= 1280x800x24
SCREENSHOT_LANGUAGE ?= English
# Also the two editors at 150 % and 200 % (docs/*-150.png, *-200.png), and
# the printout of the left-running belt (docs/printout.pdf, .png).
SCALED_SCREEN ?= 2200x1700x24
screenshots:
	@$(MAKE) --no-print-directory build PRESET=dev
	xvfb-run -a -s "-screen 0 $(SCREEN)" env QT_QPA_PLATFORM=xcb \
	  ./build/dev/tools/kx-screenshots docs $(SCREENSHOT_LANGUAGE)
	for scale in 150 200; do \
	  xvfb-run -a -s "-screen 0 $(SCALED_SCREEN)" env QT_QPA_PLATFORM=xcb \
	    QT_SCALE_FACTOR=$$(echo $$scale | sed 's/\(.\)\(..\)/\1.\2/') \
	    ./build/dev/tools/kx-screenshots docs $(SCREENSHOT_LANGUAGE) -$$scale || exit 1; \
	done
	pdftoppm -r 60 -png -singlefile docs/printout.pdf docs/printout

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
	$(call install_missing,$(FORMAT_PACKAGES))
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails, naming the places, where `make format` would change a file.
format-check:
	$(call install_missing,$(FORMAT_PACKAGES))
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf build
