# The two commands of the README: `make run` and `make test`. Both install what is missing first.
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: run test build deps soak bench clean

deps:
	@scripts/install-deps

build: deps
	@[ -f $(BUILD)/build.ninja ] || cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

run: build
	$(BUILD)/bin/brellon

test: deps
	@$(MAKE) --no-print-directory build PRESET=default
	ctest --preset default -j2
	@$(MAKE) --no-print-directory build PRESET=asan
	ctest --preset asan -j2

# Every performance figure against its baseline, on the release build (with debug info).
bench: deps
	@$(MAKE) --no-print-directory build PRESET=default
	bench/run.sh build/default

# A long monkey run: a million seeded random actions, every invariant checked after each one.
soak: build
	$(BUILD)/bin/brellon-monkey --actions 1000000

clean:
	rm -rf build
