# Two commands for a fresh Debian 12 machine:
#   make run   - install what is missing, build, start the stand-in receiver and Quelvox
#                (RECEIVER="..." passes options to it, e.g. RECEIVER="--unplug-after-time 30")
#   make test  - install what is missing, build with sanitizers, run every test headless
# and one to install it: make package, then apt install ./quelvox_*.deb
.PHONY: run test deps build build-test bench package clean

PACKAGES := build-essential cmake ninja-build libgtest-dev libbenchmark-dev \
            qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-tools-dev qt6-translations-l10n \
            xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core poppler-utils \
            clang-14 libclang-rt-14-dev clang-format \
            desktop-file-utils appstream man-db dpkg-dev file lintian \
            fp-utils-3.2.2 libchm-dev libudev-dev pkg-config

BUILD      ?= build
TEST_BUILD ?= build-test
BENCH_BUILD ?= build-bench
JOBS       ?= $(shell nproc)
# WERROR=ON turns compiler warnings into errors (.ci/run does); CMAKE_EXTRA
# passes further options to every configure.
WERROR     ?= OFF
CONFIGURE  := -G Ninja -DQUELVOX_WERROR=$(WERROR) $(CMAKE_EXTRA)

deps:
	@missing=""; for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  SUDO=""; [ "$$(id -u)" = 0 ] || SUDO=sudo; \
	  $$SUDO apt-get update -q && \
	  $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

build: deps
	@cmake -S . -B $(BUILD) $(CONFIGURE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-test: deps
	@cmake -S . -B $(TEST_BUILD) $(CONFIGURE) -DCMAKE_BUILD_TYPE=Debug -DQUELVOX_SANITIZE=ON -DQUELVOX_BENCH=OFF -DBUILD_TESTING=ON >/dev/null
	@cmake --build $(TEST_BUILD) -j $(JOBS)

# Each test runs once: a test that fails is a fault, never retried.
test: build-test
	@cd $(TEST_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run needs a display (DISPLAY or WAYLAND_DISPLAY is not set)."; exit 1; fi
	@$(MAKE) --no-print-directory deps
	@cmake -S . -B $(BUILD) $(CONFIGURE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
	@# Only what it starts: not the tests, not the benchmarks.
	@cmake --build $(BUILD) -j $(JOBS) --target quelvox quelvox-cli receiver-sim
	@./tools/run-with-receiver.sh $(BUILD) $(RECEIVER)

# The Debian package, from the RelWithDebInfo tree of make run (stripped):
# ./quelvox_<version>_<arch>.deb
package: deps
	@cmake -S . -B $(BUILD) $(CONFIGURE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target quelvox quelvox-cli receiver-sim quelvox_man quelvox_changelog quelvox_help_chm
	@rm -f $(BUILD)/quelvox_*.deb quelvox_*.deb
	@cd $(BUILD) && cpack -G DEB >/dev/null
	@cp $(BUILD)/quelvox_*.deb .
	@ls quelvox_*.deb

bench: deps
	@cmake -S . -B $(BENCH_BUILD) $(CONFIGURE) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@# Only the benchmark programs (not the bench_*_autogen folders), run in
	@# the build folder so their logs and transcripts stay there.
	@cd $(BENCH_BUILD)/bench && failed=0; \
	for b in bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then ./"$$b" || failed=1; fi; \
	done; exit $$failed

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(BENCH_BUILD) quelvox_*.deb
