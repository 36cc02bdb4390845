// A loaded picture. Assigning a picture shares the object, so one button
// picture loaded once serves all faces. The pixels belong to the platform.
#pragma once

#include <memory>

#include "toolkit/geometry.h"

namespace startart {

class PictureData {
  public:
    virtual ~PictureData() = default;
    virtual PixelSize Size() const = 0;
};

class Picture {
  public:
    Picture() = default;
    explicit Picture(std::shared_ptr<const PictureData> data) : data_(std::move(data)) {}

    bool Empty() const { return !data_; }
    PixelSize Size() const { return data_ ? data_->Size() : PixelSize{}; }
    const PictureData* Data() const { return data_.get(); }
    bool operator==(const Picture& other) const { return data_ == other.data_; }

  private:
    std::shared_ptr<const PictureData> data_;
};

}  // namespace startart
