# The two set-up commands: `make run` builds Tavorn and starts it on the bundled catalogues;
# `make test` builds it and runs every test, then builds the core and its unit tests once more
# under AddressSanitizer and UndefinedBehaviorSanitizer and runs those. Both install missing
# Debian packages first. `make fuzz` builds the fuzz targets with clang and runs each one.

BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: run test deps build sanitize fuzz clean

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/tavorn $(HERO)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(MAKE) sanitize

# The core and its unit tests (no Qt) under ASan and UBSan.
sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVORN_SANITIZE=ON \
		-DTAVORN_BUILD_UI=OFF -DTAVORN_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# libFuzzer targets (clang, ASan, UBSan), seeded with the sample heroes and the catalogues;
# each runs FUZZ_SECONDS. Findings are written to $(FUZZ_BUILD)/artifacts/.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DTAVORN_FUZZ=ON -DTAVORN_BUILD_UI=OFF \
		-DTAVORN_BUILD_TESTS=OFF -DTAVORN_BUILD_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus/hero $(FUZZ_BUILD)/corpus/xml $(FUZZ_BUILD)/artifacts
	cp examples/*.xml $(FUZZ_BUILD)/corpus/hero/
	cp examples/*.xml Data/*.xml $(FUZZ_BUILD)/corpus/xml/
	$(FUZZ_BUILD)/fuzz_hero_file -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=$(FUZZ_BUILD)/artifacts/ $(FUZZ_BUILD)/corpus/hero
	$(FUZZ_BUILD)/fuzz_xml_event_reader -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=$(FUZZ_BUILD)/artifacts/ $(FUZZ_BUILD)/corpus/xml

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
