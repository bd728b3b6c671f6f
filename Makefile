# Thin front over CMake + Ninja.
JOBS   ?= $(shell nproc)
CMAKE  ?= cmake
CONFIG ?= etc/sample.cfg

.PHONY: all build build-asan test test-normal test-asan fuzz fuzz-smoke run clean

all: build

build:
	$(CMAKE) -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	$(CMAKE) --build build -j $(JOBS)

build-asan:
	$(CMAKE) -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVO_SANITIZE=ON -DORVO_BENCHMARKS=OFF
	$(CMAKE) --build build-asan -j $(JOBS)

test-normal: build
	ctest --test-dir build -j $(JOBS) --output-on-failure

test-asan: build-asan
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir build-asan -j $(JOBS) --output-on-failure

# Every test in a normal build, a short run of each fuzz target where clang
# is present, then every test again under the sanitizers.
test: test-normal fuzz-smoke test-asan

build-fuzz:
	CC=clang CXX=clang++ $(CMAKE) -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVO_FUZZ=ON -DORVO_BENCHMARKS=OFF
	$(CMAKE) --build build-fuzz -j $(JOBS)

FUZZ_SECONDS ?= 60
fuzz-smoke:
	@if command -v clang++ >/dev/null 2>&1; then \
	  $(MAKE) build-fuzz && scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS); \
	else echo "clang++ not found: fuzz targets skipped"; fi

fuzz: build-fuzz
	scripts/run-fuzzers build-fuzz $(or $(SECONDS),600)

# The gatekeeper and the libraries it links, nothing else, then the
# gatekeeper in the foreground on $(CONFIG).
run:
	$(CMAKE) -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	$(CMAKE) --build build -j $(JOBS) --target orvogk
	build/gatekeeper/orvogk --configuration=$(CONFIG)

clean:
	rm -rf build build-asan build-fuzz
