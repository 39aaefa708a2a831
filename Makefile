# Entry points for a fresh Debian machine:
#   make run    installs what is missing, builds, and starts the game from this directory
#   make test   installs what is missing, builds, runs the fuzzers briefly and every test
#   make e2e    plays the real game end to end under a virtual X server (tests/e2e)
# and, for reliability:
#   make sanitizadores   the engine, the game and every test built with AddressSanitizer and
#                        UndefinedBehaviorSanitizer, and every test run under them
#   make fuzz FUZZ_SEGUNDOS=600   each fuzz target for longer (seconds per target)
#   make memoria VOLTAS=200       the long scripted session under valgrind (CI plays 20)
#   make pacote the game's folder as build/corvela-<version>-<arch>.tar.gz
#   make deb    the game as a Debian package, build/corvela_<version>_<arch>.deb, checked by
#               lintian (cmake/Deb.cmake)
#   make bench  measures every screen's frame, start-up, the frame clock: docs/desempenho.md
#   make porta  cross-builds for the handheld (mipsel, armhf) and runs the tests under qemu
#   make web    builds the game as a static web page folder (build-web/site)
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
SAN_BUILD ?= build-san
JOBS ?= $(shell nproc)
FUZZ_SEGUNDOS ?= 12
VOLTAS ?= 20
WEB_BUILD ?= build-web
WEB_PORTA ?= 8000
# halt_on_error: the first report fails the test that caused it.
SAN_AMBIENTE = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizadores.supp:print_suppressions=0

# Debian's emscripten needs its own node modules (acorn).
NODE_WEB = NODE_PATH=/usr/share/nodejs$${NODE_PATH:+:$$NODE_PATH}

.PHONY: deps build run test e2e fuzz sanitizadores memoria dados pacote deb porta bench clean \
  web-deps web web-serve web-test

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
	tests/programa/e2e/ponta_a_ponta.sh $(BUILD)/corvela $(BUILD)/e2e

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DCORVELA_FUZZ=ON -DCORVELA_BENCH=OFF
	cmake --build $(FUZZ_BUILD) --target alvos_fuzz -j$(JOBS)
	tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SEGUNDOS)

sanitizadores: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVELA_SANITIZADORES=ON \
	  -DCORVELA_BENCH=OFF
	cmake --build $(SAN_BUILD) -j$(JOBS)
	cd $(SAN_BUILD) && $(SAN_AMBIENTE) ctest --output-on-failure -j$(JOBS)

# VOLTAS round trips through every screen under memcheck: any invalid access, or any byte
# definitely or indirectly lost outside SDL's own (tests/valgrind.supp), fails.
memoria: build
	CORVELA_VOLTAS=$(VOLTAS) valgrind -q --error-exitcode=1 --leak-check=full \
	  --errors-for-leak-kinds=definite,indirect --show-leak-kinds=definite,indirect \
	  --suppressions=tests/valgrind.supp \
	  $(BUILD)/tests/corvela_testes --gtest_filter='LongaDuracao.*'

# Writes every file of data/ again from the generator.
dados: build
	cmake --build $(BUILD) --target dados

pacote: build
	cd $(BUILD) && cpack

# The same build, laid out under /usr; lintian's remarks are printed, its errors fail.
deb: build
	cd $(BUILD) && cpack -G DEB
	lintian $(BUILD)/corvela_*.deb

bench: build
	tools/medidas/tabela.sh $(BUILD)

porta:
	tools/porta.sh

web-deps:
	@tools/dependencias-web.sh

# The static folder: index.html, corvela.js, corvela.wasm and corvela.data (the intro's files),
# corvela-resto.js and .data (the rest of data/), the manifest, its icons (drawn by the native
# corvela-dados) and the service worker.
web: web-deps deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS) --target corvela-dados
	$(NODE_WEB) emcmake cmake -S web -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release \
	  -DCORVELA_DADOS=$(CURDIR)/$(BUILD)/tools/corvela-dados
	$(NODE_WEB) cmake --build $(WEB_BUILD) -j$(JOBS)
	@du -sh $(WEB_BUILD)/site

# Serves the folder on this machine only; open the address it prints.
web-serve: web
	@echo "Corvela: http://127.0.0.1:$(WEB_PORTA)/  (Ctrl+C stops the server)"
	cd $(WEB_BUILD)/site && python3 -m http.server $(WEB_PORTA) --bind 127.0.0.1

# Plays the page in headless chromium against frames the native build draws, then as a phone.
web-test: web build
	$(NODE_WEB) node tests/programa/web/percurso.js $(WEB_BUILD)/site $(BUILD)
	$(NODE_WEB) node tests/programa/web/telefone.js $(WEB_BUILD)/site
	$(NODE_WEB) node tests/programa/web/offline.js $(WEB_BUILD)/site

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SAN_BUILD) build-porta $(WEB_BUILD)
