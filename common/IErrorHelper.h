#pragma once

#include <IError.h>

#include <memory>

// Mix-in of classes that report failures as error objects of class E: the
// error is built on the heap, given its message texts and thrown by pointer.
// The catcher owns it and deletes it.
template <class E> class IErrorHelper
{
public:
    IErrorHelper() = default;
    IErrorHelper(const IErrorHelper&) {}
    IErrorHelper& operator=(const IErrorHelper&) { return *this; }

protected:
    [[noreturn]] virtual void _throw(unsigned code, const wchar_t* where, int line, const wchar_t* file)
    {
        throwNew(new E(code, where, line, file));
    }

    [[noreturn]] virtual void re_throw(unsigned code, const wchar_t* where, IError* cause, int line,
                                       const wchar_t* file)
    {
        throwNew(new E(code, where, cause, line, file));
    }

    virtual ~IErrorHelper() = default;

private:
    [[noreturn]] static void throwNew(E* error)
    {
        std::unique_ptr<E> owned(error);
        owned->setMsgs();
        throw owned.release();
    }
};
