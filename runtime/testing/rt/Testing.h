// What every library's tests need around the C interface: handles that destroy themselves and
// the message of a raised error.
#pragma once

#include "mx.h"
#include "rt/Array.h"
#include "rt/Error.h"

#include <string>

namespace rttest
{

// An array handle destroyed at the end of its scope.
struct Owned {
    mxArray *a = nullptr;
    Owned() = default;
    explicit Owned(mxArray *handle) : a(handle) {}
    explicit Owned(const rt::Matrix &m) : a(rt::newArray(m)) {}
    Owned(const Owned &) = delete;
    Owned &operator=(const Owned &) = delete;
    ~Owned() { mxDestroyArray(a); }
    const rt::Matrix &value() const { return rt::valueOf(a); }
};

// The message of the rt::Error that body raises, or "" when it raises none.
template <class Body> std::string errorOf(Body &&body)
{
    try {
        body();
    } catch (const rt::Error &e) {
        return e.what();
    }
    return "";
}

} // namespace rttest
