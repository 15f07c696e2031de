// The portable part of the ownership kit (the Windows owners are in WinHandles.h): one owner for
// one handle, which closes it when the owner goes away, on every path out, and ScopeExit for any
// other undoing.
//
//     using UniqueFont = UniqueHandle<HFONT, DeleteObject>;
//
// Handle is the handle type, Close the function that releases it and Invalid the value that means
// "nothing owned". Moving transfers ownership; copying is not allowed.
#pragma once

#include <type_traits>
#include <utility>

template <typename Handle, auto Close, Handle Invalid = Handle{}>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle Owned) noexcept : m_handle(Owned) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& Other) noexcept : m_handle(Other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& Other) noexcept
    {
        if (this != &Other)
            reset(Other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const noexcept { return m_handle; }
    /// For owners of interface pointers: owner->Method().
    template <typename Pointer = Handle, typename = std::enable_if_t<std::is_pointer_v<Pointer>>>
    Pointer operator->() const noexcept
    {
        return m_handle;
    }
    explicit operator bool() const noexcept { return m_handle != Invalid; }

    /// Gives up ownership without closing.
    Handle release() noexcept { return std::exchange(m_handle, Invalid); }

    /// Closes what is owned (if anything) and takes Owned instead.
    void reset(Handle Owned = Invalid) noexcept
    {
        Handle old = std::exchange(m_handle, Owned);
        if (old != Invalid)
            Close(old);
    }

    /// Closes what is owned and returns the slot, for APIs that hand back a handle by pointer.
    Handle* put() noexcept
    {
        reset();
        return &m_handle;
    }

private:
    Handle m_handle = Invalid;
};

/// Runs Undo when it goes out of scope, on every path out: `const ScopeExit restore([&] {...});`
template <typename Undo>
class ScopeExit {
public:
    explicit ScopeExit(Undo Action) noexcept : m_undo(std::move(Action)) {}
    ~ScopeExit() { m_undo(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Undo m_undo;
};
