#pragma once

#include <exception>

namespace tarvola {

// The one failure signal of the conversion core. It carries no message: callers never show
// one, they only skip the step that failed.
class ConversionFailure : public std::exception {
public:
    [[nodiscard]] const char* what() const noexcept override { return "ConversionFailure"; }
};

} // namespace tarvola
