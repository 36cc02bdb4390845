# The three commands of the README (make demo, make test, make release) and
# the benchmarks and fuzzing it describes. Each installs what it needs first.
.PHONY: all test demo bench fuzz release packages build clean

all: build

packages:
	@scripts/ensure-packages

build: packages
	cmake --preset native
	cmake --build --preset native
	cmake --preset win64
	cmake --build --preset win64
	cmake --preset win32
	cmake --build --preset win32
	cmake --preset win32-tests
	cmake --build --preset win32-tests

# Every test layer: unit tests natively (under the sanitizers), then the Win32
# and end-to-end tests under Wine on a private virtual display, on the x86_64
# build and again on the i686 one with the release menu and tool, and the
# checks of the release menu as a file. The i686 programs need 32-bit Wine,
# which a machine without 32-bit code (scripts/wine32-runs) cannot start;
# the last line says whether they ran.
test: build
	ctest --preset native
	scripts/wine-run --prepare
	scripts/with-xvfb ctest --preset win64
	ctest --preset win32
	@if scripts/wine32-runs; then \
	    scripts/with-xvfb ctest --preset win32-tests && \
	    echo "make test: every layer ran, win32-tests too: the i686 release menu and tool under 32-bit Wine"; \
	else \
	    echo "make test: win32-tests NOT RUN: no test ran the i686 release menu under Wine, as this machine runs no 32-bit code"; \
	fi

demo: build
	scripts/demo

# The benchmarks under Wine on a private virtual display: the menu's start-up
# against an empty window, and its repaints under the pointer, at 100 % and
# 150 %, for the x86_64 build and the i686 release menu. They measure
# and report; they are no part of the tests. e2e-probe starts Wine's
# desktop anew at each scale.
bench: packages
	cmake --preset native
	cmake --build --preset native --target startart-pack
	cmake --preset win64
	cmake --build --preset win64 --target startart empty-window picture-window startup-bench hover-bench e2e-probe
	cmake --preset win32
	cmake --build --preset win32 --target startart
	cmake --preset win32-tests
	cmake --build --preset win32-tests --target empty-window picture-window startup-bench hover-bench
	STARTART_XVFB_SCREEN=2048x1536 scripts/with-xvfb scripts/bench

# The fuzz targets under ASan and UBSan, each for a bounded number of inputs
# from its seeds (a few minutes in all). No part of the tests or of CI.
fuzz:
	@scripts/ensure-packages fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz --target run-fuzzers

# What a publisher downloads: build/release/startart-<version>-win32.zip, and
# build/release/startart-pack, the optimised native tool with the i686 menu
# beside it. Builds of their own, apart from the tests' builds. Given on the
# command line, SIGN_PKCS12 and SIGN_PASSWORD_FILE (a key in a file), or
# SIGN_PKCS11_MODULE, SIGN_KEY_URI, SIGN_CERT and SIGN_PIN_FILE (a key on a
# token), and SIGN_TIMESTAMP_URL reach scripts/make-release in its
# environment, and it signs the programs.
release: packages
	cmake --preset release-tool
	cmake --build --preset release-tool
	cmake --preset release
	cmake --build --preset release
	scripts/make-release

clean:
	rm -rf build
