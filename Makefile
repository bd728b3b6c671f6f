# Thin front over CMake + Ninja.
JOBS   ?= $(shell nproc)
CMAKE  ?= cmake
CONFIG ?= etc/sample.cfg

.PHONY: all build build-asan test test-normal test-asan fuzz fuzz-smoke soak run bench-ras clean

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

# Every test in a normal build, a short run of the fuzz targets side by side
# where clang is present, then every test again under the sanitizers; the
# time of each phase closes the output.
TEST_PHASES = build test-normal fuzz-smoke build-asan test-asan
test:
	@report=""; failed=""; all=$$(date +%s); \
	for phase in $(TEST_PHASES); do \
	  start=$$(date +%s); \
	  $(MAKE) --no-print-directory $$phase || failed=$$phase; \
	  report="$$report  $$phase: $$(( $$(date +%s) - start ))s\n"; \
	  [ -z "$$failed" ] || break; \
	done; \
	printf "Time of each phase of make test:\n$$report  total: $$(( $$(date +%s) - all ))s\n"; \
	if [ -n "$$failed" ]; then echo "make test: $$failed failed"; exit 1; fi

build-fuzz:
	CC=clang CXX=clang++ $(CMAKE) -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVO_FUZZ=ON -DORVO_BENCHMARKS=OFF
	$(CMAKE) --build build-fuzz -j $(JOBS) --target fuzzers

# The smoke run of make test: every target side by side, JOBS at a time,
# for FUZZ_SECONDS each (12 targets: about a minute on 8 processors, three on 2).
# The long runs are make fuzz's.
FUZZ_SECONDS ?= 25
fuzz-smoke:
	@if command -v clang++ >/dev/null 2>&1; then \
	  start=$$(date +%s); \
	  $(MAKE) --no-print-directory build-fuzz && \
	  echo "== fuzz build took $$(( $$(date +%s) - start ))s" && \
	  scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS) $(JOBS); \
	else echo "clang++ not found: fuzz targets skipped"; fi

fuzz: build-fuzz
	scripts/run-fuzzers build-fuzz $(or $(SECONDS),600) $(JOBS)

# The long form of the hostile-traffic run: every phase again and again on
# one sanitizer-built gatekeeper for SECONDS (default 1800), the figures
# after each round. The short form is part of make test (label reliability).
soak: build-asan
	ORVO_SOAK_SECONDS=$(or $(SECONDS),1800) build-asan/gatekeeper/gatekeeper_HostileTraffic \
	  --gtest_filter=HostileTraffic.Soak

# The gatekeeper and the libraries it links, nothing else, then the
# gatekeeper in the foreground on $(CONFIG).
run:
	$(CMAKE) -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	$(CMAKE) --build build -j $(JOBS) --target orvogk
	build/gatekeeper/orvogk --configuration=$(CONFIG)

# The RAS load benchmark (not part of make test): the gatekeeper of the
# normal build (RelWithDebInfo: -O2) pinned to one core under load from
# generator threads on other cores, against a plain UDP echo server measured
# the same way; a table on the terminal and build/bench-ras.json. MILLION=1
# adds a gatekeeper holding 1,000,000 registrations; PROFILE=1 records the
# gatekeeper with perf over the main phases (reports beside the JSON);
# BENCH_OPTIONS passes --threads=N, --window=N, --seconds=S, --server-core=N,
# --keep, or --keep-alive-only (the keep-alive phases and the fills they need).
bench-ras:
	$(CMAKE) -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	$(CMAKE) --build build -j $(JOBS) --target orvogk gatekeeper_rasLoad gatekeeper_udpEcho
	build/gatekeeper/gatekeeper_rasLoad --gatekeeper=build/gatekeeper/orvogk \
	  --echo=build/gatekeeper/gatekeeper_udpEcho --json=build/bench-ras.json \
	  $(if $(MILLION),--million) $(if $(PROFILE),--profile) \
	  --revision="$$(git describe --always --dirty 2>/dev/null)" $(BENCH_OPTIONS)

clean:
	rm -rf build build-asan build-fuzz
