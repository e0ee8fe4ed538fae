# The README's commands. Everything a fresh Debian 12 machine needs is installed here.
PACKAGES := cmake g++ make ninja-build \
	qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins \
	qt6-image-formats-plugins qt6-translations-l10n libgl-dev libvulkan-dev libxkbcommon-dev \
	libsimpleini-dev fonts-liberation fonts-liberation2 fonts-dejavu-core xdg-utils \
	gstreamer1.0-plugins-good gstreamer1.0-plugins-base \
	xvfb xauth xdotool x11-apps imagemagick poppler-utils util-linux \
	ccache clang libclang-rt-14-dev libsqlite3-dev libqrencode-dev zbar-tools libxcb-damage0-dev

BUILD := build
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test deps build bench

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j2

run: build
	./$(BUILD)/bin/geodario

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	./$(BUILD)/bin/bench_geodario

# Fuzzing: a clang build of its own (build-fuzz) with libFuzzer, AddressSanitizer and UBSan; only the core
# library and the fuzz targets are built. Each target runs FUZZ_SECONDS from its seed corpus; new inputs
# go to build-fuzz/corpus, crashes to build-fuzz/crash (copy one into tests/fuzz/corpus/<target> once
# fixed, so that make test keeps it fixed).
FUZZ_SECONDS ?= 60
FUZZ_BUILD := build-fuzz
FUZZ_TARGETS := scheda archivio password importo

.PHONY: fuzz test-asan
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DGEODARIO_FUZZ=ON -DGEODARIO_TEST_DIRS=fuzz
	cmake --build $(FUZZ_BUILD) -j2 --target geodario_fuzz
	@set -e; for t in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/crash/$$t; \
		echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
		./$(FUZZ_BUILD)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
			-print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/crash/$$t/ \
			$(FUZZ_BUILD)/corpus/$$t tests/fuzz/corpus/$$t; \
	done

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan.
ASAN_BUILD := build-asan
ASAN_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		"-DCMAKE_CXX_FLAGS=$(ASAN_FLAGS)" "-DCMAKE_EXE_LINKER_FLAGS=$(ASAN_FLAGS)"
	cmake --build $(ASAN_BUILD) -j2
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/reliability/lsan.supp \
		ctest --output-on-failure -j2
