# Zamanix: the two commands a newcomer needs are `make run` and `make test`.
# Each target first installs any missing Debian packages, then configures
# and builds with CMake and Ninja.

BUILD_DIR     ?= build
SANITIZE_DIR  ?= build/sanitize
FUZZ_DIR      ?= build/fuzz
PACKAGE_DIR   ?= build/package
FUZZ_SECONDS  ?= 60
JOBS          ?= $(shell nproc)
CMAKE_FLAGS   ?=

.PHONY: all run test bench sanitize fuzz package package-check idle-cost screenshot deps deps-bench deps-fuzz deps-package deps-screenshot clean

all: $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

deps:
	@scripts/install-deps.sh build

deps-bench:
	@scripts/install-deps.sh bench

deps-fuzz:
	@scripts/install-deps.sh fuzz

deps-package:
	@scripts/install-deps.sh package

deps-screenshot:
	@scripts/install-deps.sh screenshot

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

run: deps all
	$(BUILD_DIR)/zamanix

test: deps all
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

BENCHES := calendar_bench store_bench memo_bench reminders_bench month_bench sync_bench startup_bench

bench: deps-bench
	cmake -S . -B $(BUILD_DIR) -G Ninja -DZAMANIX_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target $(BENCHES)
	for bench in $(BENCHES); do $(BUILD_DIR)/bench/$$bench || exit 1; done

sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZAMANIX_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# Each libFuzzer target for FUZZ_SECONDS, from the seeds in tests/fuzz/seeds
# and the corpus kept in $(FUZZ_DIR)/corpus; a crash stops make and leaves
# its input in $(FUZZ_DIR).
FUZZ_TARGETS = profile_text_fuzz alarm_value_fuzz server_answer_fuzz
fuzz: deps-fuzz
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DZAMANIX_FUZZ=ON -DZAMANIX_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(FUZZ_TARGETS)
	@for target in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$target || exit 1; \
	  echo "fuzz: $$target for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_DIR)/tests/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_DIR)/$$target- $(FUZZ_DIR)/corpus/$$target tests/fuzz/seeds/$$target \
	    || exit 1; \
	done

# The Debian package, built as Debian builds its own: a release build with
# dpkg-buildflags' hardening flags, in a folder of its own; the .deb is left
# in $(PACKAGE_DIR).
package: deps-package
	cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DZAMANIX_TESTS=OFF -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS | sed 's/-g //')" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)" \
	  $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	rm -f $(PACKAGE_DIR)/zamanix_*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB

# What CI checks of the package: its fields and files, the validators, and
# the program starting from the unpacked package under Xvfb.
package-check: package
	scripts/check-package.sh $(PACKAGE_DIR)/zamanix_*.deb

# What the idle program costs: wake-ups a minute and resident memory, under
# Xvfb on a private session bus (scripts/idle-cost.sh; IDLE_SECONDS, 120).
idle-cost: deps-screenshot all
	scripts/idle-cost.sh $(BUILD_DIR)/zamanix

# The README's picture of the main window, docs/zamanix.png, taken under Xvfb.
screenshot: deps-screenshot all
	scripts/screenshot.sh $(BUILD_DIR)/zamanix docs/zamanix.png
	scripts/screenshot.sh $(BUILD_DIR)/zamanix docs/zamanix-ar.png ar_SA.UTF-8

clean:
	rm -rf $(BUILD_DIR)
