# make run   — installs what is missing, builds, starts Quintel on a demo sandbox
# make test  — installs what is missing, builds, runs every test
# make translations — brings translations/*.ts up to date with the sources
# make deb   — builds the Debian package quintel_<version>_<arch>.deb
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX ?= /usr/local

.PHONY: all deps build run test bench fuzz tidy format install deb clean translations

all: build

deps:
	@scripts/deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-demo.sh $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

# Brings translations/*.ts up to date with the texts in the sources (then translate what is new).
translations: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target quintel-lupdate

bench: build
	cmake --build $(BUILD) --target bench

# Longer fuzzing than the twenty seconds per fuzzer that make test gives them.
FUZZ_SECONDS ?= 600
fuzz: deps
	cmake -S fuzz -B $(BUILD)-fuzz -DCMAKE_CXX_COMPILER=clang++ -DQUINTEL_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	for f in $(BUILD)-fuzz/fuzz_*; do [ -x "$$f" ] || continue; n=$$(basename $$f); n=$${n#fuzz_}; \
	    fuzz/run-fuzzer.sh $$f $(BUILD)-fuzz/work/$$n $(FUZZ_SECONDS) fuzz/corpus/$$n || exit 1; done

# Static checks (.clang-tidy) over the program's sources.
tidy: build
	run-clang-tidy -p $(BUILD) -quiet -j $(JOBS) '$(CURDIR)/src/'

format:
	scripts/check-format.sh --fix

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package quintel_<version>_<arch>.deb, in the build folder.
deb: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
