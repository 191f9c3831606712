#pragma once

// Thrown by value when the service manager or a service cannot be opened with full access.
class CServiceException
{
};
