#pragma once
// Finds the program's object behind a window handle without asking the window
// system: a window property lookup costs a round trip to the window server
// under Wine, and the lookup happens for nearly every message.
#include <windows.h>

#include <unordered_map>

namespace brevant::widgets {

template <typename Object>
class HandleMap {
public:
    void Add(HWND hwnd, Object* object) { objects_[hwnd] = object; }
    void Remove(HWND hwnd) { objects_.erase(hwnd); }
    Object* Find(HWND hwnd) const
    {
        const auto found = objects_.find(hwnd);
        return found == objects_.end() ? nullptr : found->second;
    }

private:
    std::unordered_map<HWND, Object*> objects_;
};

}  // namespace brevant::widgets
