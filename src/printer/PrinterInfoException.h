#pragma once

// Thrown by value when a printer queue cannot be opened with the access asked for.
class CPrinterInfoException
{
};
