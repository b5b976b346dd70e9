// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sub-objects of a control (a caption's font, its fill and gradient) report every real change
// of a property to their owner, which repaints. A setter given the current value does nothing.
#include <functional>
#include <utility>

namespace controls {

class TUiPersistent {
public:
    TUiPersistent() = default;
    // The owner keeps a pointer to its sub-object; copies would report to the wrong owner.
    TUiPersistent(const TUiPersistent&) = delete;
    TUiPersistent& operator=(const TUiPersistent&) = delete;

    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

protected:
    ~TUiPersistent() = default;

    void Changed() const {
        if (onChange_)
            onChange_();
    }

    // Stores the value; false when it was the current one already.
    template <class T>
    static bool assign(T& field, const T& value) {
        if (field == value)
            return false;
        field = value;
        return true;
    }

private:
    std::function<void()> onChange_;
};

} // namespace controls
