# Entry points for a new user and for CI. Every target installs what the machine lacks first.
BUILD := build
JOBS  := $(shell nproc)
WIN   := $(BUILD)/win
NATIVE := $(BUILD)/native
PREFIX := $(BUILD)/wineprefix

.PHONY: deps native win test test-native test-win run dist bench fuzz screenshot clean

deps:
	@bash scripts/install-deps.sh

native: deps
	@cmake -S . -B $(NATIVE) -DSANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

win: deps
	@cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN) -j$(JOBS)

test-native: native
	@cd $(NATIVE) && ctest --output-on-failure --timeout 600 -j$(JOBS)

test-win: win
	@bash scripts/with-display.sh $(PREFIX) ctest --test-dir $(WIN) --output-on-failure --timeout 600

test: test-native test-win

run: win dist
	@bash scripts/run-program.sh dist

dist: win
	@rm -rf dist && mkdir -p dist
	@cp $(WIN)/src/app/KeywordMiner.exe $(WIN)/skin/SkinH_EL.dll skin/dg.she dist/
	@echo "dist/ holds: $$(ls dist | tr '\n' ' ')"

bench: deps
	@cmake -S . -B $(BUILD)/bench -DBUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD)/bench -j$(JOBS)
	@bash bench/run.sh $(BUILD)/bench

fuzz: deps
	@CXX=clang++ CC=clang cmake -S . -B $(BUILD)/fuzz -DBUILD_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(BUILD)/fuzz -j$(JOBS)
	@bash fuzz/run.sh $(BUILD)/fuzz

screenshot: win dist
	@bash scripts/with-display.sh $(PREFIX) bash scripts/screenshot.sh dist docs/screenshot.png

clean:
	rm -rf $(BUILD) dist
