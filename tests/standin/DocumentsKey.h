#pragma once

// The subkey of a queue's registry key whose values the stand-in lists as the queue's documents,
// each a REG_DWORD holding the document's state (JOB_STATUS_...).
inline constexpr wchar_t kDocumentsKey[] = L"E2E Documents";
