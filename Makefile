# The README's commands. Each installs what is missing first.
BUILD    ?= build
JOBS     ?= 2
CMAKE_FLAGS ?=
ifeq ($(CI),true)
  CMAKE_FLAGS += -DQUENVAR_WERROR=ON
endif

SAMPLE_SB911 := $(firstword $(wildcard samples/sb911/*.hdr))
SAMPLE_BONGO := $(wildcard samples/bongo/header.dat)

SAN_BUILD ?= build-sanitize
SAN_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
           UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
TSAN_BUILD ?= build-tsan

.PHONY: all deps configure build run test test-plain test-sanitize test-tsan bench deb clean format format-check

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: the viewer needs a desktop session (DISPLAY or WAYLAND_DISPLAY is not set)."; \
	  echo "Run it on a virtual display instead:"; \
	  echo "  xvfb-run -a $(BUILD)/bin/quenvar9 $(SAMPLE_SB911) $(SAMPLE_BONGO)"; \
	  echo "or write its reports without any display:"; \
	  echo "  $(BUILD)/bin/quenvar9 --report casts $(SAMPLE_SB911)"; \
	  exit 1; \
	fi
	$(BUILD)/bin/quenvar9 $(SAMPLE_SB911) $(SAMPLE_BONGO)

# Every test, then every test again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then the readers' tests (the threaded CNV load) under ThreadSanitizer.
test: test-plain test-sanitize test-tsan

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUENVAR_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SAN_BUILD) -j$(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen $(SAN_ENV) ctest --output-on-failure -j$(JOBS)

test-tsan: deps
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUENVAR_TSAN=ON $(CMAKE_FLAGS)
	cmake --build $(TSAN_BUILD) -j$(JOBS) --target viewer_readers_test
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/tests/viewer_readers_test

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQUENVAR_BUILD_BENCH=ON -DQUENVAR_BUILD_TESTS=OFF
	cmake --build build-bench -j$(JOBS)
	@for b in build-bench/bin/*_bench; do echo "== $$b"; $$b; done

# One code style for both programs (.clang-format): format rewrites the files,
# format-check (run by CI) fails on any file that does not follow it.
FORMAT_FILES = git ls-files -- '*.cpp' '*.h'

format: deps
	$(FORMAT_FILES) | xargs clang-format -i

format-check: deps
	$(FORMAT_FILES) | xargs clang-format --dry-run --Werror

# A Debian package of both programs, in build-deb/.
deb:
	@./scripts/install-deps.sh dpkg-dev file
	cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DQUENVAR_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build build-deb -j$(JOBS)
	cd build-deb && cpack
	@ls build-deb/*.deb

# Each libFuzzer target for FUZZ_TIME seconds, one at a time, on a copy of its
# corpus in $(FUZZ_BUILD)/corpus; a crashing input lands in $(FUZZ_BUILD)/artifacts.
FUZZ_BUILD   ?= build-fuzz
FUZZ_TIME    ?= 60
FUZZ_TARGETS := sb911 bongo coastline cnv csv number_format free_format level_surface

.PHONY: fuzz
fuzz:
	@WITH_FUZZ=1 ./scripts/install-deps.sh
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DQUENVAR_BUILD_FUZZ=ON -DQUENVAR_BUILD_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzzers
	@mkdir -p $(FUZZ_BUILD)/artifacts
	@for t in $(FUZZ_TARGETS); do \
	  echo "== $${t}_fuzz, $(FUZZ_TIME) s"; \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t && cp fuzz/corpus/$$t/* $(FUZZ_BUILD)/corpus/$$t/ || exit 1; \
	  $(FUZZ_BUILD)/bin/$${t}_fuzz -max_total_time=$(FUZZ_TIME) -timeout=10 -max_len=16384 \
	    -artifact_prefix=$(FUZZ_BUILD)/artifacts/$${t}- -print_final_stats=1 \
	    $(FUZZ_BUILD)/corpus/$$t >$(FUZZ_BUILD)/$$t.log 2>&1 \
	    || { tail -n 60 $(FUZZ_BUILD)/$$t.log; exit 1; }; \
	  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' $(FUZZ_BUILD)/$$t.log; \
	done

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(TSAN_BUILD) build-bench build-deb $(FUZZ_BUILD)
