# Two commands matter: `make run` and `make test`. Both first make sure the packages are there.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
TSAN_BUILD ?= build-tsan
JOBS       ?= $(shell nproc)

.PHONY: run test lint deps build build-asan build-tsan build-fuzz fuzz fuzz-long soak demo docs-images package format \
        clean

deps:
	@scripts/ensure-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The sanitizer build (AddressSanitizer and UndefinedBehaviorSanitizer) is the whole program:
# the core, the Qt views and their tests, and a walk of the real program on a virtual display
# (scripts/sanitizer-walk.sh). It keeps assertions and debug information but optimises a little
# (-O1), as the sanitizers' own guides advise: unoptimised, the logic's property tests ran many
# times slower. Leaks Qt and the libraries under it keep on their own are suppressed by
# tests/lsan-suppressions.txt; the package check is left to the release build.
ASAN_ENV = LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt:print_suppressions=0
$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DQUORVEL_SANITIZE=ON \
	    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"

build-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# ThreadSanitizer over the tool's worker threads: the tool alone is built, and the tests that run
# it with --jobs (the batch comparison and the case files holding --jobs lines) run in it.
$(TSAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(TSAN_BUILD) -G Ninja -DQUORVEL_CORE_ONLY=ON -DQUORVEL_THREAD_SANITIZE=ON \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo

build-tsan: deps $(TSAN_BUILD)/build.ninja
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target quorvel-tool

run: build
	scripts/run-program.sh $(BUILD)

test: build build-asan build-tsan lint
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && $(ASAN_ENV) ctest --output-on-failure -j $(JOBS) -LE package
	cd $(TSAN_BUILD) && ctest --output-on-failure -j $(JOBS) -R '^tool_(jobs_batch|generate|solve)$$'
	$(MAKE) --no-print-directory fuzz

# The real program on a virtual display through a short scripted session; screenshots and the
# printed PDF land in $(BUILD)/demo/.
demo: build
	scripts/demo.sh $(BUILD)

# The pictures of docs/guide.md and the README, made by the program on a virtual display through
# a scripted walk, into docs/images/.
docs-images: build
	scripts/docs-images.sh $(BUILD)

# A Debian package of the installed layout, in $(BUILD)/.
package: build
	cmake --build $(BUILD) --target package

$(FUZZ_BUILD)/build.ninja: | deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DQUORVEL_CORE_ONLY=ON -DQUORVEL_FUZZ=ON \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo

build-fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# clang-tidy with the checks of .clang-tidy over every source file of src/ (and the project
# headers they include), using the release build's compile commands; any finding fails. clang's
# default constexpr budget is too small for the exact solver's 15 x 15 tables (the fuzz build
# raises it the same way).
lint: build
	run-clang-tidy -p $(BUILD) -j $(JOBS) -quiet -extra-arg=-fconstexpr-steps=50000000 \
	    "$(CURDIR)/src/" >$(BUILD)/lint.log 2>&1 || \
	    { grep -E -A3 "(warning|error):" $(BUILD)/lint.log; exit 1; }
	@echo "lint: clang-tidy found nothing in src/"

# Each fuzz target runs for a bounded time over its seed corpus.
fuzz: build-fuzz
	scripts/run-fuzzers.sh $(FUZZ_BUILD)

# Each fuzz target runs until it has tried a million inputs (minutes per target).
fuzz-long: build-fuzz
	FUZZ_RUNS=1000000 scripts/run-fuzzers.sh $(FUZZ_BUILD)

# Random sessions with invariants checked after every line, for SOAK_MINUTES (default 30), from
# seed SOAK_SEED; ends with the number of sessions and steps run.
SOAK_MINUTES ?= 30
SOAK_SEED    ?= 1000000
soak: build
	$(BUILD)/random-sessions --sequences 0 --seconds $$(( $(SOAK_MINUTES) * 60 )) --seed $(SOAK_SEED)

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD)
