# Two entry points: `make run` and `make test`. Both install what is missing first.
# CI (.ci/run) adds `make sanitize` and `make fuzz`, each in a build folder of its own.
BUILD ?= build
CMAKE_FLAGS ?=
SANITIZE_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
JOBS ?= 4
# The program folder `make run` installs into and starts on: the user's results, sweeps and
# members live there, apart from the build tree, so `make clean` leaves them alone.
PROGRAM_FOLDER ?= $(HOME)/.local/share/pitchlog

.PHONY: all deps configure build install run test bench clean sanitize fuzz

all: build

deps:
	bash scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(WERROR_FLAGS) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) --parallel

# Only what the program folder holds is built; the tests are left to `make test`.
install: configure
	cmake --build $(BUILD) --parallel --target pitchlog kelvane kelvane-call
	cmake --install $(BUILD) --prefix "$(PROGRAM_FOLDER)"

run: install
	PROGRAM_FOLDER="$(PROGRAM_FOLDER)" bash scripts/run

# The builds that CI runs fail on any warning; `make run` keeps what the build folder was given.
WERROR_FLAGS =
test: WERROR_FLAGS = -DPITCHLOG_WERROR=ON

# Twice: as the machine is set, then with a decimal comma and a zone with clock changes.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j 8
	cd $(BUILD) && LC_ALL=de_DE.UTF-8 TZ=Europe/Berlin QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j 8

bench: build
	$(BUILD)/bin/engine_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/start_bench

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)

# Every report fails: UBSan stops at the first one, LSan checks each program's exit, and only
# the commented suppressions (Qt, fontconfig, system libraries) are let through. The builds
# register their library in a registry of their own, so `make run` keeps the plain one.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
CLANG_FLAGS = -DCMAKE_CXX_COMPILER=clang++ -DPITCHLOG_BUILD_BENCH=OFF

sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja $(CLANG_FLAGS) -DPITCHLOG_SANITIZE=ON -DPITCHLOG_WERROR=ON $(CMAKE_FLAGS)
	$(SANITIZER_ENV) KELVANE_REGISTRY=$(abspath $(SANITIZE_BUILD))/registry cmake --build $(SANITIZE_BUILD) --parallel $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j $(JOBS)

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja $(CLANG_FLAGS) -DPITCHLOG_FUZZ=ON -DPITCHLOG_BUILD_APP=OFF -DPITCHLOG_BUILD_TESTS=OFF -DPITCHLOG_WERROR=ON $(CMAKE_FLAGS)
	KELVANE_REGISTRY=$(abspath $(FUZZ_BUILD))/registry cmake --build $(FUZZ_BUILD) --parallel $(JOBS)
	$(SANITIZER_ENV) bash tests/fuzz/run $(FUZZ_BUILD) $(FUZZ_SECONDS)
