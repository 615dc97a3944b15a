# Zamanix: the two commands a newcomer needs are `make run` and `make test`.
# Each target first installs any missing Debian packages, then configures
# and builds with CMake and Ninja.

BUILD_DIR     ?= build
SANITIZE_DIR  ?= build/sanitize
JOBS          ?= $(shell nproc)
CMAKE_FLAGS   ?=

.PHONY: all run test bench sanitize deps deps-bench clean

all: $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

deps:
	@scripts/install-deps.sh build

deps-bench:
	@scripts/install-deps.sh bench

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

run: deps all
	$(BUILD_DIR)/zamanix-convert --today

test: deps all
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: deps-bench
	cmake -S . -B $(BUILD_DIR) -G Ninja -DZAMANIX_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target calendar_bench store_bench
	$(BUILD_DIR)/bench/calendar_bench
	$(BUILD_DIR)/bench/store_bench

sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZAMANIX_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
