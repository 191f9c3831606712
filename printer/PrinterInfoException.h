#pragma once

// Thrown by value when a printer queue cannot be opened with full access.
class CPrinterInfoException
{
};
