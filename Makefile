# The whole set-up on a fresh Debian 12 machine:
#   make run              installs what building and running need, builds the programs and
#                         their shipped data, starts the program on ~/Tessaron2
#   make test             installs everything the tests need too, checks the formatting, the folder
#                         layout and the package lists, builds, runs every test, then runs every fuzz
#                         corpus once under the address and undefined-behaviour checks
#   make test SANITIZE=1  the same with the whole program and its tests built with those checks
#   make fuzz             fuzzes each file reader for FUZZ_TIME seconds (FUZZ_TARGETS to pick)
#   make package          builds the Debian package tessaron2_<version>_<arch>.deb here
#   make translations     refreshes translations/*.ts from the texts in the code
SANITIZE ?=
BUILD    ?= $(if $(filter 1,$(SANITIZE)),build-asan,build)
HOME_DIR ?= $(HOME)/Tessaron2
JOBS     ?= $(shell nproc)

# Building and running alone need only these (make run installs just them).
RUN_PACKAGES := cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev \
                libcups2-dev fonts-liberation2 qt6-image-formats-plugins xdg-utils libzip-dev \
                libjpeg62-turbo-dev qt6-l10n-tools

# Debian packages the build, the tests and the program need; clang and its
# runtimes build the fuzz targets whose corpora the tests run; the image-format
# plugins let pictures be filed from TIFF and WebP scans; libzip reads Tellico's
# archives; libjpeg checks that a filed JPEG decodes cleanly; the validators,
# dpkg-dev (dpkg-shlibdeps) and file build and check the Debian package;
# clang-format checks the formatting; qt6-l10n-tools compiles the translations.
PACKAGES := cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-translations-l10n \
            libgl-dev fonts-liberation2 libbenchmark-dev poppler-utils chromium xdg-utils \
            cups printer-driver-cups-pdf libcups2-dev clang libclang-rt-14-dev \
            qt6-image-formats-plugins desktop-file-utils appstream dpkg-dev file clang-format \
            libzip-dev libjpeg62-turbo-dev qt6-l10n-tools
# The screen-reader test: a virtual display and the accessibility bus with its
# Python bindings.
PACKAGES += xvfb at-spi2-core python3-pyatspi dbus-x11
# pkg-config finds libzip for the build, and a fresh machine lacks it. make test
# checks that these lists install every library the CMake files look for.
RUN_PACKAGES += pkg-config
PACKAGES += pkg-config

SANITIZER_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
CMAKE_SANITIZE  := $(if $(filter 1,$(SANITIZE)),"-DCMAKE_CXX_FLAGS=$(SANITIZER_FLAGS)" \
                   "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZER_FLAGS)")
# Leaks are checked too: the whole suite runs without a leak report, so none needs
# hiding. Each test program stops at its first finding. The leak checker of this
# compiler misreads the thread-local storage of libraries loaded later (the image
# plugins) and crashes at exit; it is told not to follow that storage.
SANITIZER_ENV   := $(if $(filter 1,$(SANITIZE)),ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:intercept_tls_get_addr=0 \
                   UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1)

FUZZ_BUILD   ?= build-fuzz
FUZZ_TIME    ?= 60
FUZZ_TARGETS ?= collectionfile olddatafile settingsfile lookuplist csvfile tellico colnect listchange catalogueentries

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build format-check layout-check package-check test run bench clean fuzz-build fuzz package \
        translations

all: build

# Installs only what is missing, so a machine that has everything needs no network.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

# Under CI (CI=true) warnings are errors; T2_WARNINGS_AS_ERRORS=ON asks for it anywhere.
$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_SANITIZE) \
	  $(if $(filter true,$(CI)),-DT2_WARNINGS_AS_ERRORS=ON)

# Configured again each time, so that packages installed since (the benchmark
# library after a make run) are found.
build: deps $(BUILD)/CMakeCache.txt
	cmake $(BUILD) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

# Refreshes translations/*.ts from the texts in the code: new texts come in
# unfinished, texts gone from the code go out. No source locations are kept, so
# the files change only when the texts do.
LUPDATE ?= /usr/lib/qt6/bin/lupdate
translations:
	@$(MAKE) --no-print-directory deps PACKAGES=qt6-l10n-tools
	$(LUPDATE) -silent src -locations none -no-obsolete -source-language nl \
	  -ts translations/tessaron2_en.ts translations/tessaron2_de.ts

# Every C++ file keeps the formatting of .clang-format.
FORMAT_FILES = $(shell find src tests bench tools fuzz -name '*.cpp' -o -name '*.h' | sort)

format-check: deps
	clang-format --dry-run --Werror $(FORMAT_FILES)

# No circle between the source folders: dependencies run one way.
layout-check:
	sh tools/include_graph.sh >/dev/null

# Every library the build looks for is installed by the package lists above.
package-check:
	sh tools/check_packages.sh

test: format-check layout-check package-check build fuzz-build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure

# The fuzz targets: clang with libFuzzer, in a build folder of their own.
$(FUZZ_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DT2_FUZZ=ON

fuzz-build: deps $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# New inputs gather in $(FUZZ_BUILD)/corpus; an input that makes a target fail
# is written to $(FUZZ_BUILD)/findings and belongs in tests/data/fuzz once mended.
fuzz: fuzz-build
	@mkdir -p $(FUZZ_BUILD)/findings
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
	  echo "fuzz_$$t: $(FUZZ_TIME) s"; \
	  $(FUZZ_BUILD)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_TIME) -timeout=10 -rss_limit_mb=4096 \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/findings/$$t- \
	    $(FUZZ_BUILD)/corpus/$$t tests/data/fuzz/$$t 2>$(FUZZ_BUILD)/fuzz_$$t.log \
	  || { tail -40 $(FUZZ_BUILD)/fuzz_$$t.log; exit 1; }; \
	  grep -E "^stat::number_of_executed_units|^Done" $(FUZZ_BUILD)/fuzz_$$t.log; \
	done

# Fills the program folder from the shipped data only when it does not exist yet
# (what the collector deleted stays deleted); only the help documents are
# refreshed when the build's are newer (the English and German ones added when
# missing).
run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: set DISPLAY to start Tessaron2, or install xvfb (sudo apt-get install xvfb)"; \
	  echo "and start it on a virtual display with: xvfb-run make run"; exit 1; \
	fi
	@$(MAKE) --no-print-directory deps PACKAGES="$(RUN_PACKAGES)"
	@$(MAKE) --no-print-directory $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target tessaron2 tessaron2-cli shipped-data
	@if [ ! -e "$(HOME_DIR)" ]; then cp -r $(BUILD)/data "$(HOME_DIR)"; \
	elif [ -f "$(HOME_DIR)/Data/help.pdf" ]; then \
	  for help in help.pdf help.en.pdf help.de.pdf; do \
	    if [ ! -e "$(HOME_DIR)/Data/$$help" ] || [ $(BUILD)/data/Data/$$help -nt "$(HOME_DIR)/Data/$$help" ]; then \
	      cp $(BUILD)/data/Data/$$help "$(HOME_DIR)/Data/$$help"; fi; \
	  done; fi
	$(BUILD)/src/app/tessaron2 --home "$(HOME_DIR)"

# The Debian package, built by CPack from the install rules and placed here.
package: build
	rm -f $(BUILD)/tessaron2_*.deb
	cd $(BUILD) && cpack -G DEB
	cp $(BUILD)/tessaron2_*.deb .

# Speed and memory figures; not part of the tests.
bench: build
	$(BUILD)/bench/t2bench

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
