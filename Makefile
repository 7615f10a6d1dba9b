# Thin wrapper over CMake; see README.md.
JOBS ?= 2
BUILD := build
ASAN := build-asan
CONFIGURE = cmake -S . -B $(1) -DCMAKE_BUILD_TYPE=$(2) $(3) > /dev/null

.PHONY: all build run test deps conformance clean

all: build

build:
	$(call CONFIGURE,$(BUILD),RelWithDebInfo)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd examples && ../$(BUILD)/tendencia

deps:
	sh tools/install-deps.sh

# Every test through CTest, then the unit and end-to-end tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(call CONFIGURE,$(ASAN),Debug,-DTENDENCIA_SANITIZE=ON)
	cmake --build $(ASAN) -j $(JOBS)
	ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS)

conformance: build
	../shared/conformance/run $(BUILD)/tendencia

clean:
	rm -rf $(BUILD) $(ASAN)
