#pragma once

#include <utility>

// Owns one handle of a kind and closes it with that kind's close function when it goes; moves,
// never copies. One alias per handle kind, e.g.
//     using CServiceHandle = CUniqueHandle<SC_HANDLE, &CloseServiceHandle>;
template <typename Handle, auto Close> class CUniqueHandle
{
  public:
    CUniqueHandle() = default;
    explicit CUniqueHandle(Handle handle) : m_handle(handle) {}
    ~CUniqueHandle() { reset(); }
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_handle(other.release()) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;

    Handle get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Handle(); }
    // For a call that hands out a new handle through a pointer: closes the one held first.
    Handle* put()
    {
        reset();
        return &m_handle;
    }
    Handle release() { return std::exchange(m_handle, Handle()); }
    void reset(Handle handle = Handle())
    {
        if (m_handle != Handle())
            Close(m_handle);
        m_handle = handle;
    }

  private:
    Handle m_handle = Handle();
};
