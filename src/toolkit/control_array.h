// A control array: controls of one name, reached by index from 0. Reaching an
// index that has no control is run-time error 340.
#pragma once

#include <vector>

#include "basic/runtime_error.h"

namespace startart {

template <class T>
class ControlArray {
  public:
    ControlArray() = default;
    explicit ControlArray(std::vector<T*> members) : members_(std::move(members)) {}

    T& operator()(int index) const {
        if (index < 0 || index >= Count() || !members_[static_cast<std::size_t>(index)]) {
            RaiseControlArrayElementMissing(index);
        }
        return *members_[static_cast<std::size_t>(index)];
    }
    int Count() const { return static_cast<int>(members_.size()); }

  private:
    std::vector<T*> members_;
};

}  // namespace startart
