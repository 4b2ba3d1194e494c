# The commands of the README.
#   make run        installs what is missing, builds a Release build, starts the editor
#   make test       installs what is missing, builds with the sanitizers, runs every test
#   make fuzz       builds the fuzz targets with clang and runs each (FUZZ_SECONDS=60)
#   make install    builds the Release build and installs it for the current user
#   make uninstall  removes what make install installed; settings and notes stay

JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
TEST_DIR := build/test

FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: run test fuzz release install uninstall screenshot clean

run: release
	./$(RELEASE_DIR)/bin/davovo

release:
	scripts/install-deps.sh
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DDAVOVO_TESTS=OFF -DDAVOVO_BENCH=OFF
	cmake --build $(RELEASE_DIR) --target davovo -j $(JOBS)

test:
	scripts/install-deps.sh --test
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DDAVOVO_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# Every fuzz target for FUZZ_SECONDS each; a crash fails the run.
fuzz:
	scripts/install-deps.sh --fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDAVOVO_FUZZ=ON -DDAVOVO_TESTS=OFF -DDAVOVO_BENCH=OFF
	cmake --build $(FUZZ_DIR) --target fuzz_all -j $(JOBS)
	scripts/fuzz.sh $(FUZZ_DIR)/bin $(FUZZ_SECONDS)

install: release
	cmake --build $(RELEASE_DIR) --target icons davovo-table -j $(JOBS)
	scripts/install.sh install $(RELEASE_DIR)/bin/davovo $(RELEASE_DIR)/icons $(RELEASE_DIR)/bin/davovo-table

uninstall:
	scripts/install.sh uninstall

# The README's picture of the editor, made by the program itself.
screenshot: release
	scripts/screenshot.sh $(RELEASE_DIR)/bin/davovo docs/editor.png

clean:
	rm -rf build
