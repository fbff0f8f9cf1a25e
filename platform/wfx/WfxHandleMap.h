#pragma once

// Internal: maps from handles to the objects that wrap them. Permanent
// entries belong to objects that own or took over the handle; temporary ones
// are made on demand by FromHandle and deleted at idle time.

#include <mutex>
#include <unordered_map>
#include <vector>

template <class Handle, class Object> class WfxHandleMap
{
public:
    using Factory = Object* (*)(Handle);

    // `field` is the object's handle member; `make` builds temporary objects
    // (plain Objects when null).
    explicit WfxHandleMap(Handle Object::*field, Factory make = nullptr) : m_field(field), m_make(make) {}

    Object* permanent(Handle h) const
    {
        std::lock_guard<std::mutex> guard(m_lock);
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }

    // False when the handle already has an object.
    bool addPermanent(Handle h, Object* object)
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_permanent.emplace(h, object).second;
    }

    // Makes the object the permanent owner of the handle; false when the
    // object already has one or the handle has an owner.
    bool attach(Object* object, Handle h)
    {
        if (!h || object->*m_field || !addPermanent(h, object))
            return false;
        object->*m_field = h;
        return true;
    }

    Handle detach(Object* object)
    {
        Handle h = object->*m_field;
        if (h)
            removePermanent(h, object);
        object->*m_field = Handle();
        return h;
    }

    // For a handle just made: whatever it stood for before is gone.
    void replacePermanent(Handle h, Object* object)
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_permanent[h] = object;
    }

    void removePermanent(Handle h, Object* object)
    {
        std::lock_guard<std::mutex> guard(m_lock);
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == object)
            m_permanent.erase(it);
    }

    template <class F> void forEachPermanent(F f) const
    {
        std::vector<Object*> objects;
        {
            std::lock_guard<std::mutex> guard(m_lock);
            for (auto& entry : m_permanent)
                objects.push_back(entry.second);
        }
        for (Object* o : objects)
            f(o);
    }

    // The permanent object, else a temporary one.
    Object* fromHandle(Handle h)
    {
        if (!h)
            return nullptr;
        std::lock_guard<std::mutex> guard(m_lock);
        auto it = m_permanent.find(h);
        if (it != m_permanent.end())
            return it->second;
        Object*& temp = m_temporary[h];
        if (!temp) {
            temp = m_make ? m_make(h) : new Object;
            temp->*m_field = h;
        }
        return temp;
    }

    // Deletes the temporary objects, taking the handle out of each first so
    // that its destructor leaves the handle alone.
    void deleteTemporary()
    {
        std::unordered_map<Handle, Object*> temps;
        {
            std::lock_guard<std::mutex> guard(m_lock);
            temps.swap(m_temporary);
        }
        for (auto& entry : temps) {
            entry.second->*m_field = Handle();
            delete entry.second;
        }
    }

private:
    Handle Object::*m_field;
    Factory m_make;
    mutable std::mutex m_lock;
    std::unordered_map<Handle, Object*> m_permanent;
    std::unordered_map<Handle, Object*> m_temporary;
};
