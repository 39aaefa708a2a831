# Entry points for a fresh Debian machine:
#   make run    installs what is missing, builds, and starts the game from this directory
#   make test   installs what is missing, builds, runs the fuzzer briefly and every test
#   make e2e    plays the real game end to end under a virtual X server (tests/e2e)
#   make pacote the game's folder as build/corvela-<version>-<arch>.tar.gz
#   make bench  measures every screen's frame, start-up, the frame clock: docs/desempenho.md
#   make porta  cross-builds for the handheld (mipsel, armhf) and runs the tests under qemu
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)
FUZZ_SEGUNDOS ?= 20

.PHONY: deps build run test e2e fuzz dados pacote porta bench clean

deps:
	@tools/dependencias.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@test -f data/fonts/coure.fon || cmake --build $(BUILD) --target dados
	@tools/joga.sh $(BUILD)/corvela

# The fuzzer runs first so that the test runner's summary is the last thing printed.
test: build fuzz
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The built game driven by key presses under Xvfb, with its sound recorded; the screenshots
# are left in $(BUILD)/e2e.
e2e: build
	tests/e2e/ponta_a_ponta.sh $(BUILD)/corvela $(BUILD)/e2e

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DCORVELA_FUZZ=ON -DCORVELA_BENCH=OFF
	cmake --build $(FUZZ_BUILD) --target fuzz_arquivo_chave -j$(JOBS)
	rm -rf $(FUZZ_BUILD)/corpus && cp -r tests/fuzz/corpus $(FUZZ_BUILD)/corpus
	SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy $(FUZZ_BUILD)/tests/fuzz/fuzz_arquivo_chave \
	  -max_total_time=$(FUZZ_SEGUNDOS) -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus

# Writes every file of data/ again from the generator.
dados: build
	cmake --build $(BUILD) --target dados

pacote: build
	cd $(BUILD) && cpack

bench: build
	tools/medidas/tabela.sh $(BUILD)

porta:
	tools/porta.sh

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) build-porta
