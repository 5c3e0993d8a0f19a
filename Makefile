# The two commands of a newcomer: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)

.PHONY: all deps configure build run test test-asan bench screenshots deb clean

all: build

deps:
	@tools/install-deps.sh

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Starts the program in the folder work/ of the checkout; without a display it
# says how to start it and lists the documents of that folder instead.
run: build
	@mkdir -p work
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	    cd work && ../$(BUILD)/tavo; \
	else \
	    echo "No display: start the windows with 'cd work && ../$(BUILD)/tavo' on a desktop."; \
	    echo "Documents in work/ (tavo list):"; \
	    cd work && ../$(BUILD)/tavo list; \
	fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVO_SANITIZE=ON

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	    UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && [ -f "$$b" ] && echo "== $$(basename $$b)" && QT_QPA_PLATFORM=offscreen "$$b"; done

# Renders the windows to build/screenshots/*.png (offscreen): look at them.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots $(BUILD)/screenshots

# The Debian package build/tavo_VERSION_amd64.deb (dpkg-shlibdeps finds its dependencies).
deb: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
