# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README, `make run` and `make test`, and the rest.
BUILD ?= build
JOBS ?= $(shell nproc)
CONFIGURE = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null

.PHONY: run all test bench deb windows clean

# Only the program: no tests, no benchmarks, nothing but what it needs.
run:
	@scripts/install-deps.sh run
	@$(CONFIGURE) -DKELVARA_TESTS=OFF -DKELVARA_BENCHMARKS=OFF
	@cmake --build $(BUILD) -j$(JOBS) --target kelvara
	@$(BUILD)/kelvara

# Everything: the program, the tests and the benchmarks.
all:
	@scripts/install-deps.sh test
	@$(CONFIGURE) -DKELVARA_TESTS=ON -DKELVARA_BENCHMARKS=ON
	@cmake --build $(BUILD) -j$(JOBS)

# The suite, then the Windows programs and their tests, under Wine.
test: all
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	@scripts/test-windows.sh $(BUILD)

bench: all
	@scripts/run-benchmarks.sh $(BUILD)

# The source package and kelvara_1.00-1_amd64.deb, built by dpkg-buildpackage
# in build/deb.
deb:
	@scripts/install-deps.sh deb
	@scripts/build-deb.sh $(BUILD)/deb

# kelvara.exe for 64- and 32-bit Windows, cross-built in build/windows, the
# zip that holds both, and the installer package of the 64-bit one.
windows:
	@scripts/install-deps.sh windows
	@scripts/build-windows.sh $(BUILD)

clean:
	rm -rf $(BUILD)
