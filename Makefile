# Thin wrapper over CMake; see README.md.
JOBS ?= 2
BUILD := build
ASAN := build-asan
CONFIGURE = cmake -S . -B $(1) -DCMAKE_BUILD_TYPE=$(2) $(3) > /dev/null

.PHONY: all build run run-gui run-studio chart test deps bench bench-compare fuzz conformance clean install uninstall package

all: build

build:
	$(call CONFIGURE,$(BUILD),RelWithDebInfo)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd examples && ../$(BUILD)/tendencia

run-gui: build
	@test -x $(BUILD)/tendencia-gui || { echo "tendencia-gui no se ha construido: falta FLTK 1.3 (libfltk1.3-dev)"; exit 1; }
	cd examples && ../$(BUILD)/tendencia-gui

run-studio: build
	@test -x $(BUILD)/tendencia-estudio || { echo "tendencia-estudio no se ha construido: faltan FLTK 1.3, cairo, libcsv, Ceres o Boost.Math"; exit 1; }
	cd examples && ../$(BUILD)/tendencia-estudio ventas.csv --terminos constante,potencia --inicio 2001

# What the desktop, chart, import and fit programs need to be built: FLTK,
# cairo, libcsv and Ceres. FLTK is found by its header and library, so its tools (fluid) are
# not needed.
# Boost.Math (headers) for the exact Student quantile of the fit and the chart.
# Ceres Solver for the fit program, and libunwind-dev by name, because glog's
# CMake package asks for it and LLVM's libunwind-14-dev would also satisfy the
# Debian dependency without it.
PROGRAM_PACKAGES := libfltk1.3-dev libcairo2-dev pkg-config libcsv-dev libceres-dev libunwind-dev \
	libboost-math-dev

# What the tests need beyond the compiler: the desktop front end (FLTK), a
# display server, a window manager (openbox, so windows can be resized) and
# xdotool to drive it, ImageMagick for its screenshots.
# clang and its runtime for the libFuzzer targets, valgrind for the memcheck run.
# cairo for the chart program, and a font for the desktop and chart texts.
# groff and desktop-file-utils check the installed man pages and menu entry.
TEST_PACKAGES := $(PROGRAM_PACKAGES) xvfb openbox xdotool imagemagick clang libclang-rt-14-dev valgrind \
	fonts-dejavu-core groff-base desktop-file-utils

# The fan chart of the example (run `make run` first, or it runs the example
# from a script).
chart: build
	cd examples && { test -f Eventas.TXT || { printf 'ventas\n5\n95\n120\n15\n0.9\n'; \
	  yes '' | head -22; echo 2001; } | ../$(BUILD)/tendencia > /dev/null; } && \
	  ../$(BUILD)/tendencia-grafico ventas

deps:
	sh tools/install-deps.sh $(TEST_PACKAGES)

# Every test through CTest, then the unit and end-to-end tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps
	$(call CONFIGURE,$(BUILD),RelWithDebInfo,-DTENDENCIA_REQUIRE_GUI=ON -DTENDENCIA_REQUIRE_CHART=ON \
	  -DTENDENCIA_REQUIRE_IMPORT=ON -DTENDENCIA_REQUIRE_FIT=ON)
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(call CONFIGURE,$(ASAN),Debug,-DTENDENCIA_SANITIZE=ON -DTENDENCIA_GUI=OFF -DTENDENCIA_CHART=OFF \
	  -DTENDENCIA_REQUIRE_IMPORT=ON -DTENDENCIA_REQUIRE_FIT=ON)
	cmake --build $(ASAN) -j $(JOBS)
	ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS)
	$(call CONFIGURE_FUZZ)
	cmake --build $(FUZZ) -j $(JOBS)
	ctest --test-dir $(FUZZ) --output-on-failure

# The fuzz targets, each for FUZZ_SECONDS; what they find stays in build-fuzz/corpus.
FUZZ := build-fuzz
FUZZ_SECONDS ?= 300
CONFIGURE_FUZZ = $(call CONFIGURE,$(FUZZ),RelWithDebInfo,-DCMAKE_CXX_COMPILER=clang++ \
	-DTENDENCIA_TESTS=OFF -DTENDENCIA_GUI=OFF -DTENDENCIA_CHART=OFF -DTENDENCIA_FIT=OFF -DTENDENCIA_FUZZ=ON \
	-DTENDENCIA_REQUIRE_IMPORT=ON)
fuzz: deps
	$(call CONFIGURE_FUZZ)
	cmake --build $(FUZZ) -j $(JOBS)
	for t in data_file conversions whole_run forecast_report csv_import fit_command_line fifteen_digits \
	    studio_command_line; do \
	  mkdir -p $(FUZZ)/corpus/$$t && \
	  $(FUZZ)/tests/fuzz/$${t}_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=20 \
	    -rss_limit_mb=2048 -print_final_stats=1 $(FUZZ)/corpus/$$t tests/fuzz/corpus/$$t || exit 1; \
	done

# Benchmarks are never part of make test: timings belong here, not in tests.
bench: deps
	sh tools/install-deps.sh hyperfine
	$(call CONFIGURE,build-bench,Release,-DTENDENCIA_BENCH=ON -DTENDENCIA_TESTS=OFF -DTENDENCIA_REQUIRE_FIT=ON)
	cmake --build build-bench -j $(JOBS) --target report_benchmark tendencia fit_benchmark studio_timing
	cd build-bench && ./bench/report_benchmark
	sh bench/whole_run.sh build-bench/tendencia
	cd build-bench && ./bench/fit_benchmark
	xvfb-run -a build-bench/bench/studio_timing

# The longest run of this tree against the terminal program of an older commit
# (BASE), side by side in one sitting: the older one is built from its own
# sources in build-base/.
BASE ?= 1b4493f
bench-compare: bench
	rm -rf build-base && mkdir -p build-base/src
	git archive $(BASE) | tar -x -C build-base/src
	cmake -S build-base/src -B build-base/build -DCMAKE_BUILD_TYPE=Release -DTENDENCIA_GUI=OFF \
	  -DTENDENCIA_CHART=OFF -DTENDENCIA_IMPORT=OFF -DTENDENCIA_FIT=OFF -DTENDENCIA_TESTS=OFF > /dev/null
	cmake --build build-base/build -j $(JOBS) --target tendencia
	python3 bench/compare_whole_runs.py build-base/build/tendencia build-bench/tendencia

# Installs into PREFIX (under DESTDIR when set, as packagers do). uninstall
# removes what the last install from $(BUILD) listed in its manifest.
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

uninstall:
	DESTDIR="$(DESTDIR)" cmake --build $(BUILD) --target uninstall

# The Debian package build/tendencia_<version>_<arch>.deb, with every program:
# dpkg-shlibdeps (dpkg-dev, file) finds its dependencies.
package:
	sh tools/install-deps.sh dpkg-dev file $(PROGRAM_PACKAGES)
	$(call CONFIGURE,$(BUILD),RelWithDebInfo,-DTENDENCIA_REQUIRE_GUI=ON -DTENDENCIA_REQUIRE_CHART=ON \
	  -DTENDENCIA_REQUIRE_IMPORT=ON -DTENDENCIA_REQUIRE_FIT=ON)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && cpack -G DEB

conformance: build
	../shared/conformance/run $(BUILD)/tendencia

clean:
	rm -rf $(BUILD) $(ASAN) $(FUZZ) build-bench
