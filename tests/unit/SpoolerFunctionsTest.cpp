// The spooler's functions come from winspool.drv of the system folder, all of them or none.
#include "HostSession.h"

#include "printer/SpoolerFunctions.h"

namespace
{
struct Row
{
    const char* name;
    DWORD libraryError;  // winspool.drv fails to load so
    const char* missing; // or lacks this function
    DWORD error;         // what the table says
};

class SpoolerFunctionsTest : public HostSession, public ::testing::WithParamInterface<Row>
{
};

TEST_P(SpoolerFunctionsTest, AreAllFoundOrNoneWithTheReason)
{
    const Row& row = GetParam();
    host::spooler::FailLibraryLoad(row.libraryError);
    if (row.missing != nullptr)
        host::spooler::RemoveFunction(row.missing);

    const SpoolerFunctions spooler = LoadSpoolerFunctions();

    EXPECT_EQ(spooler.error, row.error);
    const bool found = row.error == ERROR_SUCCESS;
    for (const bool present :
         {spooler.OpenPrinterW != nullptr, spooler.ClosePrinter != nullptr,
          spooler.GetPrinterDataExW != nullptr, spooler.SetPrinterDataExW != nullptr,
          spooler.DeletePrinterDataExW != nullptr, spooler.EnumPrintersW != nullptr,
          spooler.GetPrinterW != nullptr, spooler.EnumPrinterDriversW != nullptr,
          spooler.EnumJobsW != nullptr})
        EXPECT_EQ(present, found);
}

INSTANTIATE_TEST_SUITE_P(
    Loader, SpoolerFunctionsTest,
    ::testing::Values(Row{"Found", ERROR_SUCCESS, nullptr, ERROR_SUCCESS},
                      Row{"NoLibrary", ERROR_MOD_NOT_FOUND, nullptr, ERROR_MOD_NOT_FOUND},
                      Row{"LibraryRefused", ERROR_ACCESS_DENIED, nullptr, ERROR_ACCESS_DENIED},
                      Row{"AFunctionMissing", ERROR_SUCCESS, "DeletePrinterDataExW",
                          ERROR_PROC_NOT_FOUND}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });
} // namespace
