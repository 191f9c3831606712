// Linux stand-in for the part of <windows.h> that the tool uses. Types keep their Windows sizes
// (DWORD is 32 bits) and constants their Windows values, so the same code compiles on both builds.
// The functions are implemented in memory by the fakes; see host_messages.h, host_spooler.h and
// host_services.h for what tests can arrange and observe. There are no windows: the dialog's
// logic runs on in-memory controls (FakeControls).
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

#define WINAPI

typedef int BOOL;
typedef unsigned int UINT;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef uint64_t ULONGLONG;
typedef intptr_t INT_PTR;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;
typedef void* HANDLE;
// UTF-16 code units, as on Windows; wchar_t is wider here but holds them.
typedef wchar_t WCHAR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef const char* LPCSTR;

#define DECLARE_HANDLE(name)                                                                       \
    struct name##__;                                                                               \
    typedef struct name##__* name
DECLARE_HANDLE(HWND);
DECLARE_HANDLE(HINSTANCE);
typedef HINSTANCE HMODULE;
typedef INT_PTR(WINAPI* FARPROC)();

#define TRUE 1
#define FALSE 0
#define MAX_PATH 260
#define READ_CONTROL 0x00020000L

// Errors.
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_DATA 13L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_OPEN_FAILED 110L
#define ERROR_BUFFER_OVERFLOW 111L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_INVALID_LEVEL 124L
#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_PROC_NOT_FOUND 127L
#define ERROR_BAD_PATHNAME 161L
#define ERROR_MORE_DATA 234L
#define ERROR_GEN_FAILURE 31L
#define ERROR_SERVICE_REQUEST_TIMEOUT 1053L
#define ERROR_SERVICE_DOES_NOT_EXIST 1060L
#define ERROR_SERVICE_CANNOT_ACCEPT_CTRL 1061L
#define ERROR_SERVICE_NOT_ACTIVE 1062L
#define ERROR_SERVICE_ALREADY_RUNNING 1056L
#define ERROR_SERVICE_DISABLED 1058L
#define ERROR_DEPENDENT_SERVICES_RUNNING 1051L
#define ERROR_SERVICE_DEPENDENCY_FAIL 1068L
#define ERROR_CANCELLED 1223L
#define ERROR_MR_MID_NOT_FOUND 317L
#define ERROR_RESOURCE_LANG_NOT_FOUND 1815L
#define ERROR_UNKNOWN_PRINTER_DRIVER 1797L
#define ERROR_INVALID_PRINTER_NAME 1801L
#define RPC_S_SERVER_UNAVAILABLE 1722L

// Registry value types.
#define REG_NONE 0
#define REG_SZ 1
#define REG_BINARY 3
#define REG_DWORD 4

// The notifications and results the dialog's logic handles.
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7
#define BN_CLICKED 0
#define EN_CHANGE 0x0300
#define SB_THUMBPOSITION 4
#define SB_ENDSCROLL 8

#define MB_OK 0x00000000L
#define MB_YESNO 0x00000004L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_DEFBUTTON2 0x00000100L

// kernel32
#define INFINITE 0xFFFFFFFF
DWORD WINAPI GetLastError();
void WINAPI SetLastError(DWORD error);
// The clock moves on only by the sleeps: a wait takes no real time here.
void WINAPI Sleep(DWORD milliseconds);
ULONGLONG WINAPI GetTickCount64();
HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName);

// One thread runs here: a critical section is never waited for, only its entries and exits logged.
typedef int CRITICAL_SECTION;
void WINAPI InitializeCriticalSection(CRITICAL_SECTION* section);
void WINAPI EnterCriticalSection(CRITICAL_SECTION* section);
void WINAPI LeaveCriticalSection(CRITICAL_SECTION* section);

// The loader: one system folder, C:\Windows\system32, whose winspool.drv is the in-memory
// spooler (host_spooler.h); no other DLL exists.
#define LOAD_WITH_ALTERED_SEARCH_PATH 0x00000008
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
UINT WINAPI GetSystemDirectoryW(LPWSTR buffer, UINT size);
HMODULE WINAPI LoadLibraryExW(LPCWSTR fileName, HANDLE file, DWORD flags);
FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name);

// user32: the string table and message boxes, UTF-16 only: the programs never pass a message
// through the ANSI code page.
int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax);
int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// The system's texts for error codes, in the user's language (language 0) or the one asked for.
// The stand-in knows the texts of ERROR_ACCESS_DENIED and RPC_S_SERVER_UNAVAILABLE only; for any
// other code it fails as Windows does for a code without a text.
#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000
#define FORMAT_MESSAGE_MAX_WIDTH_MASK 0x000000FF
DWORD WINAPI FormatMessageW(DWORD flags, const void* source, DWORD messageId, DWORD languageId,
                            LPWSTR buffer, DWORD size, va_list* arguments);

// advapi32: the service control manager
DECLARE_HANDLE(SC_HANDLE);

#define SC_MANAGER_CONNECT 0x0001
#define SERVICE_QUERY_STATUS 0x0004
#define SERVICE_ENUMERATE_DEPENDENTS 0x0008
#define SERVICE_START 0x0010
#define SERVICE_STOP 0x0020

#define SERVICE_STOPPED 0x00000001
#define SERVICE_START_PENDING 0x00000002
#define SERVICE_STOP_PENDING 0x00000003
#define SERVICE_RUNNING 0x00000004
#define SERVICE_CONTROL_STOP 0x00000001
#define SERVICE_WIN32_OWN_PROCESS 0x00000010
#define SERVICE_ACTIVE 0x00000001

typedef struct _SERVICE_STATUS
{
    DWORD dwServiceType;
    DWORD dwCurrentState;
    DWORD dwControlsAccepted;
    DWORD dwWin32ExitCode;
    DWORD dwServiceSpecificExitCode;
    DWORD dwCheckPoint;
    DWORD dwWaitHint;
} SERVICE_STATUS, *LPSERVICE_STATUS;

typedef struct _ENUM_SERVICE_STATUSW
{
    LPWSTR lpServiceName;
    LPWSTR lpDisplayName;
    SERVICE_STATUS ServiceStatus;
} ENUM_SERVICE_STATUSW, *LPENUM_SERVICE_STATUSW;

SC_HANDLE WINAPI OpenSCManagerW(LPCWSTR machineName, LPCWSTR databaseName, DWORD desiredAccess);
SC_HANDLE WINAPI OpenServiceW(SC_HANDLE manager, LPCWSTR serviceName, DWORD desiredAccess);
BOOL WINAPI CloseServiceHandle(SC_HANDLE handle);
BOOL WINAPI QueryServiceStatus(SC_HANDLE service, LPSERVICE_STATUS status);
BOOL WINAPI ControlService(SC_HANDLE service, DWORD control, LPSERVICE_STATUS status);
BOOL WINAPI StartServiceW(SC_HANDLE service, DWORD argc, LPCWSTR* argv);
BOOL WINAPI EnumDependentServicesW(SC_HANDLE service, DWORD state, LPENUM_SERVICE_STATUSW services,
                                   DWORD bufferSize, LPDWORD bytesNeeded, LPDWORD returned);
