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

.PHONY: run test deps build sanitize fuzz clean sheets

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

# The hero sheets of the sample heroes, written with tavorn-cli and rendered into PNGs by a
# headless chromium (installed when missing), in $(BUILD)/sheets/. Not part of `make test`.
sheets: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD) -j $(JOBS) --target tavorn-cli
	./scripts/render-sheets.sh $(BUILD)

# libFuzzer targets (clang, ASan, UBSan with every report fatal), each seeded with the files
# it reads (the sample heroes, the bundled catalogues, fuzz/seeds/) and run for FUZZ_SECONDS
# in turn. Findings are written to $(FUZZ_BUILD)/artifacts/.
# $(call run_fuzz,target,seed files,more libFuzzer flags)
define run_fuzz
	mkdir -p $(FUZZ_BUILD)/corpus/$(1)
	cp $(2) $(FUZZ_BUILD)/corpus/$(1)/
	$(FUZZ_BUILD)/fuzz_$(1) -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=$(FUZZ_BUILD)/artifacts/ $(3) $(FUZZ_BUILD)/corpus/$(1)
endef

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DTAVORN_FUZZ=ON -DTAVORN_BUILD_UI=OFF \
		-DTAVORN_BUILD_TESTS=OFF -DTAVORN_BUILD_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/artifacts
	$(call run_fuzz,hero_file,examples/*.xml,-dict=fuzz/hero_file.dict -max_len=65536)
	$(call run_fuzz,xml_event_reader,examples/*.xml Data/*.xml fuzz/seeds/*.xml)
	$(call run_fuzz,configuration_catalogue,Data/config.xml)
	$(call run_fuzz,rule_sets,Data/rulesets.xml)
	$(call run_fuzz,species_catalogue,Data/species.xml)
	$(call run_fuzz,skill_catalogue,Data/skills.xml Data/psionics.xml)
	$(call run_fuzz,perk_flaw_catalogue,Data/perksnflaws.xml)
	$(call run_fuzz,defaults_file,fuzz/seeds/defaults.xml)
	$(call run_fuzz,recent_files,fuzz/seeds/recent.txt)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
