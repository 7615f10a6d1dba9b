# Thin wrapper over CMake; see README.md.
JOBS ?= 2
BUILD := build
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 300
# $(call BUILT,folder,build type,options,--target ...): configure, then build.
BUILT = cmake -S . -B $(1) -DCMAKE_BUILD_TYPE=$(2) $(3) > /dev/null && cmake --build $(1) -j $(JOBS) $(4)
EVERY_PART := -DTENDENCIA_REQUIRE_GUI=ON -DTENDENCIA_REQUIRE_CHART=ON -DTENDENCIA_REQUIRE_IMPORT=ON -DTENDENCIA_REQUIRE_FIT=ON
FUZZ_BUILT = $(call BUILT,build-fuzz,RelWithDebInfo,-DCMAKE_CXX_COMPILER=clang++ -DTENDENCIA_TESTS=OFF \
	-DTENDENCIA_GUI=OFF -DTENDENCIA_CHART=OFF -DTENDENCIA_FIT=OFF -DTENDENCIA_FUZZ=ON -DTENDENCIA_REQUIRE_IMPORT=ON $(1))
# What the programs beyond the terminal one need (libunwind-dev by name: glog's
# CMake package asks for it, and LLVM's would satisfy Debian's dependency
# instead), then what the tests need.
PROGRAM_PACKAGES := libfltk1.3-dev libcairo2-dev pkg-config libcsv-dev libceres-dev libunwind-dev libboost-math-dev
TEST_PACKAGES := $(PROGRAM_PACKAGES) xvfb openbox xdotool imagemagick clang libclang-rt-14-dev valgrind \
	fonts-dejavu-core groff-base desktop-file-utils parallel
.PHONY: all build run run-gui run-studio chart check test deps bench bench-forecast fuzz \
	conformance clean install uninstall package
all: build
build:
	$(call BUILT,$(BUILD),RelWithDebInfo)
run: build
	cd examples && ../$(BUILD)/tendencia
run-gui: build
	cd examples && ../$(BUILD)/tendencia-gui
run-studio: build
	cd examples && ../$(BUILD)/tendencia-estudio ventas.csv --terminos constante,potencia --inicio 2001
# The fan chart of the example, after a run from a script when there is no report.
chart: build
	cd examples && { test -f Eventas.TXT || { printf 'ventas\n5\n95\n120\n15\n0.9\n'; yes '' | head -22; \
	  echo 2001; } | ../$(BUILD)/tendencia > /dev/null; } && ../$(BUILD)/tendencia-grafico ventas
conformance: build
	../shared/conformance/run $(BUILD)/tendencia

deps:
	sh tools/install-deps.sh $(TEST_PACKAGES)
# The unit tests alone, on what is installed already: the quick check while working.
check: build
	ctest --test-dir $(BUILD) -L unit --output-on-failure -j $(JOBS)
# Every test; then the unit and program tests under AddressSanitizer and
# UndefinedBehaviorSanitizer; then the fuzz targets' corpora and a brief run.
test: deps
	$(call BUILT,$(BUILD),RelWithDebInfo,$(EVERY_PART))
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(call BUILT,build-asan,Debug,-DTENDENCIA_SANITIZE=ON -DTENDENCIA_GUI=OFF -DTENDENCIA_CHART=OFF \
	  -DTENDENCIA_REQUIRE_IMPORT=ON -DTENDENCIA_REQUIRE_FIT=ON)
	ctest --test-dir build-asan --output-on-failure -j $(JOBS)
	$(call FUZZ_BUILT,-DFUZZ_BRIEF_SECONDS=6)
	ctest --test-dir build-fuzz --output-on-failure -j $(JOBS)
# The fuzz targets, each for FUZZ_SECONDS; what they find stays in build-fuzz/corpus.
fuzz: deps
	$(call FUZZ_BUILT,-DFUZZ_BRIEF_SECONDS=$(FUZZ_SECONDS))
	ctest --test-dir build-fuzz -R fuzz_brief --output-on-failure

# Timings belong here, never in make test.
bench: deps
	sh tools/install-deps.sh hyperfine
	$(call BUILT,build-bench,Release,-DTENDENCIA_BENCH=ON -DTENDENCIA_TESTS=OFF -DTENDENCIA_REQUIRE_FIT=ON -DTENDENCIA_IMPORT=ON \
	  -DTENDENCIA_REQUIRE_IMPORT=ON,--target report_benchmark tendencia fit_benchmark studio_timing tendencia-lote)
	cd build-bench && ./bench/report_benchmark && ./bench/fit_benchmark
	sh bench/whole_run.sh build-bench/tendencia
	sh bench/lote_run.sh build-bench/tendencia-lote
	xvfb-run -a build-bench/bench/studio_timing
# Our whole pipeline against R's forecast package on bench/forecast/series.csv,
# cut at the M4 horizons. R is needed here only, never by a test.
bench-forecast:
	sh tools/install-deps.sh libceres-dev libunwind-dev libboost-math-dev r-base-core r-cran-forecast \
	  r-cran-tseries python3-statsmodels
	$(call BUILT,build-bench,Release,-DTENDENCIA_GUI=OFF -DTENDENCIA_CHART=OFF -DTENDENCIA_IMPORT=OFF -DTENDENCIA_REQUIRE_IMPORT=OFF \
	  -DTENDENCIA_TESTS=OFF -DTENDENCIA_REQUIRE_FIT=ON,--target tendencia tendencia-ajuste)
	rm -rf build-bench/forecast
	Rscript bench/forecast/r_forecasts.R bench/forecast/series.csv build-bench/forecast
	python3 bench/forecast/score.py build-bench build-bench/forecast

# Into PREFIX (under DESTDIR when set, as packagers do); uninstall removes what the last one listed.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
uninstall:
	DESTDIR="$(DESTDIR)" cmake --build $(BUILD) --target uninstall
# build/tendencia_<version>_<arch>.deb; dpkg-shlibdeps (dpkg-dev, file) finds its dependencies.
package:
	sh tools/install-deps.sh dpkg-dev file $(PROGRAM_PACKAGES)
	$(call BUILT,$(BUILD),RelWithDebInfo,$(EVERY_PART))
	cd $(BUILD) && cpack -G DEB
clean:
	rm -rf $(BUILD) build-asan build-fuzz build-bench
