# The two commands of the README: `make run` and `make test`.
JOBS ?= $(shell nproc)
CMAKE_FLAGS := $(if $(CI),-DQV_WERROR=ON,)

.PHONY: run test deps build test-asan asan format clean

run: build
	@scripts/run-game.sh build/dev/quorvexer

test: build
	ctest --preset dev -j $(JOBS)

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset dev $(CMAKE_FLAGS) >/dev/null
	cmake --build --preset dev -j $(JOBS)

asan: deps
	cmake --preset asan $(CMAKE_FLAGS) >/dev/null
	cmake --build --preset asan -j $(JOBS)

test-asan: asan
	ctest --preset asan -j $(JOBS)

format:
	find src tests bench tools fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null | xargs clang-format -i

clean:
	rm -rf build
