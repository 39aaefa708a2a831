# Entry points for a fresh Debian machine:
#   make run    installs what is missing, builds, and starts the game from this directory
#   make test   installs what is missing, builds, runs the fuzzer briefly and every test
#   make e2e    plays the real game end to end under a virtual X server (tests/e2e)
#   make web    builds the game as a static web page folder (build-web/site)
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)
FUZZ_SEGUNDOS ?= 20
WEB_BUILD ?= build-web
WEB_PORTA ?= 8000
# Debian's emscripten needs its own node modules (acorn) and the browser test needs ws.
NODE_WEB = NODE_PATH=/usr/share/nodejs$${NODE_PATH:+:$$NODE_PATH}

.PHONY: deps build run test e2e fuzz dados clean web-deps web web-serve web-test

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

web-deps:
	@tools/dependencias-web.sh

# The static folder: index.html, corvela.js, corvela.wasm and corvela.data (all of data/).
web: web-deps
	$(NODE_WEB) emcmake cmake -S web -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release
	$(NODE_WEB) cmake --build $(WEB_BUILD) -j$(JOBS)
	@du -sh $(WEB_BUILD)/site

# Serves the folder on this machine only; open the address it prints.
web-serve: web
	@echo "Corvela: http://127.0.0.1:$(WEB_PORTA)/  (Ctrl+C stops the server)"
	cd $(WEB_BUILD)/site && python3 -m http.server $(WEB_PORTA) --bind 127.0.0.1

# Plays the page in headless chromium against frames the native build draws.
web-test: web build
	$(NODE_WEB) node tests/web/percurso.js $(WEB_BUILD)/site $(BUILD)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(WEB_BUILD)
