#include "basic/runtime_error.h"

#include <utility>

namespace startart {

RuntimeError::RuntimeError(int number, std::string description)
    : number_(number), description_(std::move(description)) {}

void RaiseOverflow() {
    throw RuntimeError(error::kOverflow, "Überlauf");
}

void RaiseSubscriptOutOfRange() {
    throw RuntimeError(error::kSubscriptOutOfRange, "Index außerhalb des gültigen Bereichs");
}

void RaiseFileNotFound() {
    throw RuntimeError(error::kFileNotFound, "Datei nicht gefunden");
}

void RaiseControlArrayElementMissing(int index) {
    throw RuntimeError(error::kControlArrayElementMissing,
                       "Steuerelementfeld-Element '" + std::to_string(index) + "' existiert nicht");
}

void RaiseInvalidPropertyValue() {
    throw RuntimeError(error::kInvalidPropertyValue, "Ungültiger Eigenschaftswert");
}

void RaiseInvalidPicture() {
    throw RuntimeError(error::kInvalidPicture, "Ungültiges Bild");
}

}  // namespace startart
