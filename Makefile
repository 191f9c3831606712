# Short, fixed commands; each installs what it needs (Debian packages) when it is missing.
#   make exe   the Windows programs (dialog and console companion), into dist/
#   make test  every test: Linux unit tests, then the Windows tests under Wine
#   make run   opens the real dialog under Wine for a demo queue
.PHONY: exe test host-test wine-test run clean

exe:
	tools/ensure-packages.sh windows
	cmake --preset windows
	cmake --build --preset windows --target SettingTool SettingToolCmd
	rm -rf dist && mkdir -p dist
	cp build/windows/SettingTool.exe build/windows/SettingToolCmd.exe dist/

test: host-test wine-test

host-test:
	tools/ensure-packages.sh host
	cmake --preset host
	cmake --build --preset host
	ctest --preset host

wine-test: exe
	tools/ensure-packages.sh wine
	cmake --build --preset windows
	tools/test-windows.sh

run: exe
	tools/ensure-packages.sh wine
	cmake --build --preset windows --target e2e_winspool winehelper
	tools/wine-run.sh

clean:
	rm -rf build dist
