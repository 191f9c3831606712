// A winspool.drv that only tells that it was loaded: the test that plants it beside the programs
// and in their current folder shows that they never load a DLL of that name from there. Each
// process that loads it leaves its program's path as a value of this key.
#pragma once

constexpr wchar_t kPlantedLoadsKey[] = L"Software\\SettingTool E2E\\Planted winspool.drv loads";
