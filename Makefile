# The README's commands. Everything a fresh Debian 12 machine needs is installed here.
PACKAGES := cmake g++ make ninja-build \
	qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins \
	qt6-image-formats-plugins qt6-translations-l10n libgl-dev libvulkan-dev libxkbcommon-dev \
	libsimpleini-dev fonts-liberation fonts-liberation2 fonts-dejavu-core xdg-utils \
	gstreamer1.0-plugins-good gstreamer1.0-plugins-base \
	xvfb xauth xdotool x11-apps imagemagick poppler-utils util-linux \
	ccache clang libclang-rt-14-dev libsqlite3-dev libqrencode-dev zbar-tools

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
