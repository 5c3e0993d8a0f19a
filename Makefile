# The two commands of a newcomer: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)

.PHONY: all deps configure build run test test-asan bench screenshots deb deb-lint deb-check print-check clean fuzz fuzz-build windows windows-check windows-installer-check

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
	@for b in $(BUILD)/bench/bench_*; do \
	    if [ -f "$$b" ] && [ -x "$$b" ]; then \
	        echo "== $$(basename $$b)"; QT_QPA_PLATFORM=offscreen "$$b" || exit 1; \
	    fi; \
	done

# Fuzzing with libFuzzer (clang): each target of tests/fuzz runs FUZZ_SECONDS
# from its seeds in tests/fuzz/corpus/NAME. New inputs go to
# $(FUZZ_BUILD)/corpus/NAME, faults to $(FUZZ_BUILD)/crashes/NAME/, the log
# to $(FUZZ_BUILD)/logs/NAME.log; tests/fuzz/NAME.dict, when there is one, gives
# the words of its input. `make -j2 fuzz` runs two targets at a time;
# `make fuzz-dates` runs one. An input worth keeping goes, under any name, to
# tests/fuzz/regressions/NAME/: `make test` replays it.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 600
FUZZ_TARGETS := orders_line dates amounts payload reference_lists script iban csv_table
# The longest input each target is given: a whole small file, a text field, a script.
FUZZ_MAX_LEN_orders_line     := 4096
FUZZ_MAX_LEN_dates           := 64
FUZZ_MAX_LEN_amounts         := 128
FUZZ_MAX_LEN_payload         := 2048
FUZZ_MAX_LEN_reference_lists := 4096
FUZZ_MAX_LEN_script          := 2048
FUZZ_MAX_LEN_iban            := 256
FUZZ_MAX_LEN_csv_table       := 4096

$(FUZZ_BUILD)/build.ninja: CMakeLists.txt
	@command -v clang++ >/dev/null || { echo "make fuzz needs clang++ and libclang-rt-dev"; exit 1; }
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DTAVO_FUZZ=ON

fuzz-build: $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) --target fuzzers -j $(JOBS)

fuzz-%: fuzz-build
	@mkdir -p $(FUZZ_BUILD)/corpus/$* $(FUZZ_BUILD)/crashes/$* $(FUZZ_BUILD)/logs
	@echo "== fuzz_$* for $(FUZZ_SECONDS) s (log: $(FUZZ_BUILD)/logs/$*.log)"
	-@ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=tests/fuzz/lsan.supp \
	    UBSAN_OPTIONS=print_stacktrace=1 \
	    $(FUZZ_BUILD)/tests/fuzz/fuzz_$* -max_total_time=$(FUZZ_SECONDS) \
	    -max_len=$(FUZZ_MAX_LEN_$*) -timeout=30 -rss_limit_mb=2048 -malloc_limit_mb=512 \
	    $(if $(wildcard tests/fuzz/$*.dict),-dict=tests/fuzz/$*.dict) \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/crashes/$*/ \
	    $(FUZZ_BUILD)/corpus/$* tests/fuzz/corpus/$* > $(FUZZ_BUILD)/logs/$*.log 2>&1
	@grep -E "^(Done [0-9]+ runs|stat::number_of_executed_units|SUMMARY|==[0-9]+== ERROR)" \
	    $(FUZZ_BUILD)/logs/$*.log | sed 's/^/   $*: /' || true

fuzz: $(addprefix fuzz-,$(FUZZ_TARGETS))
	@found=$$(find $(FUZZ_BUILD)/crashes -type f | sort); \
	if [ -n "$$found" ]; then echo "Faults found:"; echo "$$found"; exit 1; fi; \
	echo "No faults found."

# Renders the windows to build/screenshots/*.png (offscreen): look at them.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots $(BUILD)/screenshots

# The Debian package build/tavo_VERSION_amd64.deb (dpkg-shlibdeps finds its dependencies).
deb: build
	cd $(BUILD) && cpack -G DEB

# Debian's package checker on that package: no error and no warning allowed.
deb-lint: deb
	@command -v lintian >/dev/null || apt-get install -y -qq lintian
	lintian --fail-on error,warning $(BUILD)/tavo_*_amd64.deb

# Installs that package on a fresh Debian 12 (debootstrap from this machine's
# apt sources; root needed) and starts it from its menu entry: see
# tools/check-deb.sh.
deb-check: deb
	tools/check-deb.sh

# Prints through a real CUPS queue (cups-pdf) from the command line and from
# the main window, reads every barcode printed back, and checks that a stopped
# or refusing queue is told and loses nothing: see tools/check-print.sh (root).
print-check: build
	tools/check-print.sh

# tavo.exe for 64-bit Windows, cross-built with MinGW-w64 against Qt and zint
# built once from Debian's own sources into ~/.cache/tavo-windows (about 30
# minutes on 2 cores the first time), the portable folder
# build-windows/tavo-VERSION-windows, its zip and its installer
# tavo-VERSION-setup.exe (NSIS): see tools/windows/. Not part of `make test`.
WINDOWS_BUILD ?= build-windows
windows:
	tools/windows/install-cross-deps.sh
	WINDOWS_BUILD=$(WINDOWS_BUILD) tools/windows/build-windows.sh

# The same end-to-end cases, the unit and widget tests, a printed barcode read
# back and killed saves, against tavo.exe under Wine: see tools/windows/check-windows.sh.
windows-check: build
	WINDOWS_BUILD=$(WINDOWS_BUILD) BUILD=$(BUILD) tools/windows/check-windows.sh

# The installer alone, made for a small stand-in program and installed and
# uninstalled under Wine: see tools/windows/check-installer.sh. Needs no Qt.
windows-installer-check:
	tools/windows/install-cross-deps.sh
	tools/windows/check-installer.sh --dummy

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD)
