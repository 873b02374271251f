# The whole set-up on a fresh Debian 12 machine:
#   make run   installs what is missing, builds, starts the program on ~/Tessaron2
#   make test  installs what is missing, builds, runs every test
BUILD    ?= build
HOME_DIR ?= $(HOME)/Tessaron2
JOBS     ?= $(shell nproc)

# Debian packages the build, the tests and the program need.
PACKAGES := cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-translations-l10n \
            libgl-dev fonts-liberation2 libbenchmark-dev poppler-utils chromium xdg-utils \
            cups printer-driver-cups-pdf libcups2-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build test run bench clean

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

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Fills the program folder from the shipped data on first use; never overwrites.
run: build
	@mkdir -p "$(HOME_DIR)"
	@cp -rn $(BUILD)/data/. "$(HOME_DIR)/"
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: set DISPLAY (or run under xvfb-run) to start Tessaron2."; exit 1; \
	fi
	$(BUILD)/src/app/tessaron2 --home "$(HOME_DIR)"

# Speed and memory figures; not part of the tests.
bench: build
	$(BUILD)/bench/t2bench

clean:
	rm -rf $(BUILD)
