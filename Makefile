# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	bash scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) --parallel

run: build
	bash scripts/run

# Twice: as the machine is set, then with a decimal comma and a zone with clock changes.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j 8
	cd $(BUILD) && LC_ALL=de_DE.UTF-8 TZ=Europe/Berlin QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j 8

bench: build
	$(BUILD)/bin/engine_bench

clean:
	rm -rf $(BUILD)
