# Set-up, build, run and test on Debian. Every target installs and builds what it needs.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
VERSION := 4-SR2

.PHONY: all deps build native run test test-native test-wine check-layers fuzz fuzz-smoke bench dist clean

all: build

deps:
	@tools/deps.sh

build: deps
	@[ -f build/win/CMakeCache.txt ] || cmake --preset win >/dev/null
	@cmake --build build/win -j$(JOBS) --target Rolva
	@echo "built build/win/Rolva.exe"

native: deps
	@[ -f build/native/CMakeCache.txt ] || cmake --preset native >/dev/null
	@cmake --build build/native -j$(JOBS)

# run, test-wine and bench build the flavour this machine can run (tools/flavour.sh).
run: deps
	@tools/run.sh

test-native: native
	@cd build/native && ctest --output-on-failure

test-wine: deps
	@tools/test-wine.sh

# A short run of every decoder's fuzzer on its seed corpus; `make fuzz` runs longer.
fuzz-smoke: deps
	@tools/fuzz.sh $${FUZZ_SECONDS:-10}

fuzz: deps
	@tools/fuzz.sh $${FUZZ_SECONDS:-120}

# Each room includes only the floors below it, and no core includes a Windows header; the
# second script plants faults in a copy of the sources to show that the check reports them.
check-layers: deps
	@python3 tools/check-layers.py
	@tools/check-layers-planted.sh

test: check-layers fuzz-smoke test-native test-wine

clean:
	rm -rf build

# The 32-bit program, and the 64-bit one in x64\ for machines that cannot run 32-bit programs.
dist: build
	@[ -f build/win64/CMakeCache.txt ] || cmake --preset win64 >/dev/null
	@cmake --build build/win64 -j$(JOBS) --target Rolva
	@tools/dist.sh $(VERSION)

bench: deps
	@tools/bench.sh
