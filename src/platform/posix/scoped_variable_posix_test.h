// Test helper: sets one environment variable for the life of the object.
#pragma once

#include <stdlib.h>

#include <optional>
#include <string>

namespace movra::posix::testing {

class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = ::getenv(name)) {
            saved_ = old;
        }
        ::setenv(name, value, 1);
    }
    ~ScopedVariable() {
        if (saved_) {
            ::setenv(name_, saved_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> saved_;
};

}  // namespace movra::posix::testing
