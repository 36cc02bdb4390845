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

# Every test layer: unit tests natively (under the sanitizers), then the Win32
# and end-to-end tests under Wine on a private virtual display, and the checks
# of the i686 release menu as a file.
test: build
	ctest --preset native
	scripts/with-xvfb ctest --preset win64
	ctest --preset win32

demo: build
	scripts/demo

# The benchmarks under Wine on a private virtual display: the menu's start-up
# against an empty window, and its repaints under the pointer. They measure
# and report; they are no part of the tests.
bench: packages
	cmake --preset native
	cmake --build --preset native --target startart-pack
	cmake --preset win64
	cmake --build --preset win64 --target startart empty-window picture-window startup-bench hover-bench
	scripts/with-xvfb scripts/bench

# The fuzz targets under ASan and UBSan, each for a bounded number of inputs
# from its seeds (a few minutes in all). No part of the tests or of CI.
fuzz:
	@scripts/ensure-packages fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz --target run-fuzzers

# What a publisher downloads: build/release/startart-<version>-win32.zip, and
# build/release/startart-pack, the optimised native tool with the i686 menu
# beside it. Builds of their own, apart from the tests' builds.
release: packages
	cmake --preset release-tool
	cmake --build --preset release-tool
	cmake --preset release
	cmake --build --preset release
	scripts/make-release

clean:
	rm -rf build
