# Thin wrapper over CMake; see README.md.
JOBS ?= 2
BUILD := build
CONFIGURE = cmake -S . -B $(1) -DCMAKE_BUILD_TYPE=$(2) $(3) > /dev/null
EVERY_PART := -DTENDENCIA_REQUIRE_GUI=ON -DTENDENCIA_REQUIRE_CHART=ON -DTENDENCIA_REQUIRE_IMPORT=ON \
	-DTENDENCIA_REQUIRE_FIT=ON
# What the programs beyond the terminal one need: FLTK, cairo, libcsv, Ceres
# (libunwind-dev by name: glog's CMake package asks for it, and LLVM's would
# satisfy Debian's dependency instead), Boost.Math. Then what the tests need:
# a display with a window manager, xdotool and ImageMagick for the desktop, clang
# for the fuzz targets, valgrind, a font, groff and desktop-file-utils.
PROGRAM_PACKAGES := libfltk1.3-dev libcairo2-dev pkg-config libcsv-dev libceres-dev libunwind-dev \
	libboost-math-dev
TEST_PACKAGES := $(PROGRAM_PACKAGES) xvfb openbox xdotool imagemagick clang libclang-rt-14-dev valgrind \
	fonts-dejavu-core groff-base desktop-file-utils
FUZZ_SECONDS ?= 300
CONFIGURE_FUZZ = $(call CONFIGURE,build-fuzz,RelWithDebInfo,-DCMAKE_CXX_COMPILER=clang++ -DTENDENCIA_TESTS=OFF \
	-DTENDENCIA_GUI=OFF -DTENDENCIA_CHART=OFF -DTENDENCIA_FIT=OFF -DTENDENCIA_FUZZ=ON -DTENDENCIA_REQUIRE_IMPORT=ON $(1))
BASE ?= 1b4493f
PREFIX ?= /usr/local

.PHONY: all build run run-gui run-studio chart check test deps bench bench-compare bench-forecast fuzz \
	conformance clean install uninstall package
all: build

build:
	$(call CONFIGURE,$(BUILD),RelWithDebInfo)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd examples && ../$(BUILD)/tendencia

run-gui: build
	cd examples && ../$(BUILD)/tendencia-gui

run-studio: build
	cd examples && ../$(BUILD)/tendencia-estudio ventas.csv --terminos constante,potencia --inicio 2001

# The fan chart of the example, after a run from a script when there is no report.
chart: build
	cd examples && { test -f Eventas.TXT || { printf 'ventas\n5\n95\n120\n15\n0.9\n'; \
	  yes '' | head -22; echo 2001; } | ../$(BUILD)/tendencia > /dev/null; } && \
	  ../$(BUILD)/tendencia-grafico ventas

deps:
	sh tools/install-deps.sh $(TEST_PACKAGES)

# The unit tests alone, on what is installed already: the quick check while working.
check: build
	ctest --test-dir $(BUILD) -L unit --output-on-failure -j $(JOBS)

# Every test; then the unit and program tests under AddressSanitizer and
# UndefinedBehaviorSanitizer; then the fuzz targets' corpora and a brief run.
test: deps
	$(call CONFIGURE,$(BUILD),RelWithDebInfo,$(EVERY_PART))
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(call CONFIGURE,build-asan,Debug,-DTENDENCIA_SANITIZE=ON -DTENDENCIA_GUI=OFF -DTENDENCIA_CHART=OFF \
	  -DTENDENCIA_REQUIRE_IMPORT=ON -DTENDENCIA_REQUIRE_FIT=ON)
	cmake --build build-asan -j $(JOBS)
	ctest --test-dir build-asan --output-on-failure -j $(JOBS)
	$(call CONFIGURE_FUZZ,-DFUZZ_BRIEF_SECONDS=6)
	cmake --build build-fuzz -j $(JOBS)
	ctest --test-dir build-fuzz --output-on-failure

# The fuzz targets, each for FUZZ_SECONDS; what they find stays in build-fuzz/corpus.
fuzz: deps
	$(call CONFIGURE_FUZZ,-DFUZZ_BRIEF_SECONDS=$(FUZZ_SECONDS))
	cmake --build build-fuzz -j $(JOBS)
	ctest --test-dir build-fuzz -R fuzz_brief --output-on-failure

# Timings belong here, never in make test.
bench: deps
	sh tools/install-deps.sh hyperfine
	$(call CONFIGURE,build-bench,Release,-DTENDENCIA_BENCH=ON -DTENDENCIA_TESTS=OFF -DTENDENCIA_REQUIRE_FIT=ON)
	cmake --build build-bench -j $(JOBS) --target report_benchmark tendencia fit_benchmark studio_timing
	cd build-bench && ./bench/report_benchmark && ./bench/fit_benchmark
	sh bench/whole_run.sh build-bench/tendencia
	xvfb-run -a build-bench/bench/studio_timing

# The longest run against the terminal program of an older commit (BASE), side
# by side; the older one is built from its own sources in build-base/.
bench-compare: bench
	rm -rf build-base && mkdir -p build-base/src && git archive $(BASE) | tar -x -C build-base/src
	cmake -S build-base/src -B build-base/build -DCMAKE_BUILD_TYPE=Release -DTENDENCIA_GUI=OFF \
	  -DTENDENCIA_CHART=OFF -DTENDENCIA_IMPORT=OFF -DTENDENCIA_FIT=OFF -DTENDENCIA_TESTS=OFF > /dev/null
	cmake --build build-base/build -j $(JOBS) --target tendencia
	python3 bench/compare_whole_runs.py build-base/build/tendencia build-bench/tendencia

# Our whole pipeline against R's forecast package on bench/forecast/series.csv,
# cut at the M4 horizons. R is needed here only, never by a test.
bench-forecast:
	sh tools/install-deps.sh libceres-dev libunwind-dev libboost-math-dev r-base-core r-cran-forecast
	$(call CONFIGURE,build-bench,Release,-DTENDENCIA_GUI=OFF -DTENDENCIA_CHART=OFF -DTENDENCIA_IMPORT=OFF \
	  -DTENDENCIA_TESTS=OFF -DTENDENCIA_REQUIRE_FIT=ON)
	cmake --build build-bench -j $(JOBS) --target tendencia tendencia-ajuste
	rm -rf build-bench/forecast
	Rscript bench/forecast/r_forecasts.R bench/forecast/series.csv build-bench/forecast
	python3 bench/forecast/score.py build-bench build-bench/forecast

conformance: build
	../shared/conformance/run $(BUILD)/tendencia

# Into PREFIX (under DESTDIR when set, as packagers do); uninstall removes what
# the last install from $(BUILD) listed in its manifest.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
uninstall:
	DESTDIR="$(DESTDIR)" cmake --build $(BUILD) --target uninstall

# build/tendencia_<version>_<arch>.deb; dpkg-shlibdeps (dpkg-dev, file) finds its dependencies.
package:
	sh tools/install-deps.sh dpkg-dev file $(PROGRAM_PACKAGES)
	$(call CONFIGURE,$(BUILD),RelWithDebInfo,$(EVERY_PART))
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-bench build-base
