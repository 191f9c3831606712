# Short, fixed commands; each installs what it needs (Debian packages) when it is missing.
#   make exe   the Windows programs (dialog and console companion), into dist/
#   make test  every test: Linux unit tests, then the Windows tests under Wine
#   make run   opens the real dialog under Wine for a demo queue
#   make dist  the release package dist/LanguageMonitorSettingTool-<version>.zip
# The shipped programs come from the product tree (build/product); the Windows test programs,
# built in build/windows, run them from there.
.PHONY: exe test host-test wine-test run dist clean

exe:
	tools/ensure-packages.sh product
	cmake --preset product
	cmake --build --preset product
	rm -rf dist && mkdir -p dist
	cp build/product/SettingTool.exe build/product/SettingToolCmd.exe dist/

test: host-test wine-test

host-test:
	tools/ensure-packages.sh host
	cmake --preset host
	cmake --build --preset host
	ctest --preset host

wine-test: exe
	tools/ensure-packages.sh windows
	tools/ensure-packages.sh wine
	cmake --preset windows
	cmake --build --preset windows
	tools/test-windows.sh

run: exe
	tools/ensure-packages.sh windows
	tools/ensure-packages.sh wine
	cmake --preset windows
	cmake --build --preset windows --target e2e_winspool winehelper
	tools/wine-run.sh

dist: exe
	tools/ensure-packages.sh dist
	tools/make-dist.sh

clean:
	rm -rf build dist
