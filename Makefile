# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a new user needs: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
FILE ?=
PREFIX ?= /usr/local
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
DEB_OUT ?= build-deb

.PHONY: all deps build run test bench fuzz install deb screenshot clean

all: build

deps:
	@scripts/install-deps.sh build test

# Configuring tells only its warnings and errors, and all it said when it fails.
build: deps
	@out=$$(cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE= -DCMAKE_INSTALL_PREFIX=$(PREFIX)) || { echo "$$out"; exit 1; }
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD)/src/shell/tessary $(FILE)

# The test suite's short fuzzing builds with clang.
test: build
	@scripts/install-deps.sh fuzz
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS, in a clang build of its own.
fuzz:
	@scripts/install-deps.sh build test fuzz
	@JOBS=$(JOBS) tests/fuzz/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	@scripts/install-deps.sh bench
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@scripts/bench.sh $(BUILD)

# Honours DESTDIR, for packaging and staged installs.
install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, from the committed sources, into DEB_OUT; checked
# with lintian and by starting the unpacked programs.
deb:
	@scripts/install-deps.sh build deb
	@JOBS=$(JOBS) scripts/build-deb.sh $(DEB_OUT)

# The README's pictures of the window in play, from the real program: as it
# starts, and with notes at its natural size and at twice that.
screenshot: build
	@tests/with-xvfb.sh dbus-run-session -- /usr/bin/python3 scripts/screenshot.py \
		$(BUILD)/src/shell/tessary docs/screenshot.png
	@tests/with-xvfb.sh dbus-run-session -- /usr/bin/python3 scripts/screenshot.py \
		$(BUILD)/src/shell/tessary docs/screenshot-notes-natural.png 1
	@tests/with-xvfb.sh dbus-run-session -- /usr/bin/python3 scripts/screenshot.py \
		$(BUILD)/src/shell/tessary docs/screenshot-notes.png 2

# Every folder the targets above build in; the test suite's own clang build
# lies inside $(BUILD).
clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(DEB_OUT)
