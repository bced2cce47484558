# The two commands of the README: `make run` and `make test`.
JOBS ?= $(shell nproc)
CMAKE_FLAGS := $(if $(CI),-DQV_WERROR=ON,)

.PHONY: run test deps build build-game test-asan asan format clean

run: build-game
	@scripts/run-game.sh build/dev/quorvexer

test: build
	ctest --preset dev -j $(JOBS)

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset dev $(CMAKE_FLAGS) >/dev/null
	cmake --build --preset dev -j $(JOBS)

# The game and the libraries it links, nothing else: the first game comes
# sooner. The sample missions are staged beside it when the build is
# configured.
build-game: deps
	cmake --preset dev $(CMAKE_FLAGS) >/dev/null
	cmake --build --preset dev -j $(JOBS) --target quorvexer

asan: deps
	cmake --preset asan $(CMAKE_FLAGS) >/dev/null
	cmake --build --preset asan -j $(JOBS)

test-asan: asan
	ctest --preset asan -j $(JOBS)

# Every test built with Debian's Clang in build/clang, warnings as errors.
.PHONY: test-clang
test-clang: deps
	@scripts/install-deps.sh --extra clang
	cmake --preset clang >/dev/null
	cmake --build --preset clang -j $(JOBS)
	ctest --preset clang -j $(JOBS)

format:
	find src tests bench tools fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null | xargs clang-format -i

clean:
	rm -rf build

# Each harness runs for FUZZ_SECONDS; new inputs go to build/fuzz-corpus, the
# committed seeds in fuzz/corpus are read only.
FUZZ_SECONDS ?= 60
.PHONY: fuzz
fuzz: deps
	@scripts/install-deps.sh --extra clang libclang-rt-dev
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	@set -e; for h in mission_reader interpreter compiler; do \
	  mkdir -p build/fuzz-corpus/$$h; \
	  echo "== fuzzing $$h for $(FUZZ_SECONDS) s (log in build/fuzz-$$h.log)"; \
	  build/fuzz/fuzz/$${h}_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	    -dict=build/fuzz/fuzz/commands.dict -print_final_stats=1 build/fuzz-corpus/$$h fuzz/corpus/$$h \
	    > build/fuzz-$$h.log 2>&1 || { tail -n 60 build/fuzz-$$h.log; exit 1; }; \
	  echo "$$h: $$(sed -n 's/^stat::number_of_executed_units: *//p' build/fuzz-$$h.log) inputs," \
	    "$$(sed -n 's/^stat::average_exec_per_sec: *//p' build/fuzz-$$h.log) inputs/s, no finding"; \
	done

# The real windows under seeded random input on the sanitizer build, for
# MONKEY_SECONDS (default 1800); MONKEY_SEED replays a run.
MONKEY_SECONDS ?= 1800
.PHONY: monkey
monkey: deps
	cmake --preset asan $(CMAKE_FLAGS) >/dev/null
	cmake --build --preset asan -j $(JOBS) --target quorvexer_monkey
	MONKEY_SECONDS=$(MONKEY_SECONDS) build/asan/tools/monkey/quorvexer_monkey

.PHONY: soak bench screenshots package
# Hours of simulated play on the sanitizer build, with the world's rules
# checked every tick.
soak:
	@scripts/soak.sh

# Every benchmark, each figure printed beside its floor.
bench:
	@scripts/bench.sh

# Pictures of the five windows from a scripted game, into docs/.
screenshots:
	@scripts/screenshots.sh

# An installable Debian package in build/release.
package:
	@scripts/package.sh

.PHONY: check-wayland
# The game on a headless Wayland compositor, keys only: the download mission
# played natively, and the menu started through XWayland by default.
check-wayland: build-game
	@scripts/check-wayland.sh build/dev/quorvexer

.PHONY: screen-reader
# The download mission played by ear, three times, every step decided from
# what the Orca screen reader said (installs Orca and the speech packages
# when missing).
screen-reader: build
	@scripts/check-screen-reader.sh build/dev/quorvexer
