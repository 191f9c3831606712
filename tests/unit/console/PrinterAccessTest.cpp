// A queue opened only to read its settings: what the console program's show and list rely on.
#include "../HostSession.h"

#include "printer/PrinterInfo.h"
#include "printer/PrinterInfoException.h"

namespace
{
class PrinterAccessTest : public HostSession
{
};

TEST_F(PrinterAccessTest, TheRightToPrintReadsTheSettingsButCannotStoreThem)
{
    host::spooler::AddQueue(L"Print Only", false);
    for (const wchar_t* queue : {kQueue, L"Print Only"})
    {
        host::spooler::SetDword(queue, L"QuenloTimeout", 30000);
        CPrinterInfo printer(queue, PRINTER_ACCESS_USE);
        EXPECT_EQ(host::spooler::DesiredAccesses().back(), static_cast<DWORD>(PRINTER_ACCESS_USE));
        EXPECT_EQ(printer.GetIoTimeout(), 30000u) << queue;
        EXPECT_EQ(printer.Store(1000, 60000), static_cast<DWORD>(ERROR_ACCESS_DENIED));
        EXPECT_EQ(host::spooler::GetDword(queue, L"QuenloTimeout"), 30000u) << queue;
        EXPECT_FALSE(host::spooler::GetDword(queue, L"BackgroundStatusInterval")) << queue;
    }
    EXPECT_THROW(CPrinterInfo(L"Print Only"), CPrinterInfoException);
    EXPECT_EQ(host::spooler::DesiredAccesses().back(), static_cast<DWORD>(PRINTER_ALL_ACCESS));
}
} // namespace
